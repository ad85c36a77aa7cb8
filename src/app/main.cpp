#include "app/titel.h"
#include "app/wiring.h"
#include "invoice/factuur.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "platform/vertaling.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QScreen>

#include <optional>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLET_VERSION));
    platform::LaadQtInHetNederlands(app);

    Factuur factuur;
    platform::QtPrompts prompts;
    // The main window is made, and reads the settings, when the start window hands over.
    std::optional<Main> venster;
    std::optional<Omgeving> omgeving;
    auto toonHoofdvenster = [&] {
        venster.emplace(factuur, prompts, platform::ProgrammaMap());
        omgeving.emplace(*venster, factuur, prompts, platform::ProgrammaMap());
        KoppelUitvoer(*omgeving);
        KoppelFactuurInvoer(*omgeving);
        KoppelMijndata(*omgeving);
        KoppelLogo(*omgeving);
        KoppelAchtergrond(*omgeving);
        venster->setWindowModality(Qt::ApplicationModal);
        venster->show();
    };
    Titel titel(QCoreApplication::applicationFilePath(), SchermVan(*QGuiApplication::primaryScreen()), prompts);
    QObject::connect(&titel, &Titel::hoofdvensterGevraagd, toonHoofdvenster);
    titel.show();
    return app.exec();
}
