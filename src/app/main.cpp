#include "app/wiring.h"
#include "invoice/factuur.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "ui/main/main_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLET_VERSION));

    Factuur factuur;
    platform::QtPrompts prompts;
    Main venster(factuur, prompts, platform::ProgrammaMap());
    Omgeving omgeving{venster, factuur, prompts, platform::ProgrammaMap()};
    KoppelUitvoer(omgeving);
    KoppelMijndata(omgeving);
    venster.show();
    return app.exec();
}
