#include "app/titel.h"
#include "app/wiring.h"
#include "boek/facturenboek.h"
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
    // Opened when first used, or right after the start when there is one:
    // a program that never issues never makes it.
    Facturenboek boek(platform::ProgrammaMap());
    // The main window is made, and reads the settings, when the start window hands over.
    std::optional<Main> venster;
    std::optional<Omgeving> omgeving;
    auto toonHoofdvenster = [&] {
        venster.emplace(factuur, prompts, platform::ProgrammaMap());
        omgeving.emplace(*venster, factuur, prompts, platform::ProgrammaMap(), boek);
        KoppelUitvoer(*omgeving);
        KoppelFactuurInvoer(*omgeving);
        KoppelMijndata(*omgeving);
        KoppelLogo(*omgeving);
        KoppelAchtergrond(*omgeving);
        KoppelBoek(*omgeving);
        venster->setWindowModality(Qt::ApplicationModal);
        venster->show();
    };
    Titel titel(QCoreApplication::applicationFilePath(), SchermVan(*QGuiApplication::primaryScreen()), prompts);
    QObject::connect(&titel, &Titel::hoofdvensterGevraagd, toonHoofdvenster);
    titel.show();
    return app.exec();
}
