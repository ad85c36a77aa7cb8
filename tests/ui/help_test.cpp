#include "ui/main/help_text.h"
#include "ui/main/bijzondere_tekens.h"

#include "hoofdvenster.h"

#include "support/opened_urls.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

namespace {

bool PaginaGetoond(const Main& m)
{
    return m.Pic->isVisibleTo(m.Frame1) && !m.HelpLabel->isVisibleTo(m.Frame1) && !m.HelpHelp->isChecked();
}

bool HandleidingGetoond(const Main& m)
{
    return !m.Pic->isVisibleTo(m.Frame1) && m.HelpLabel->isVisibleTo(m.Frame1) && m.HelpHelp->isChecked();
}

}  // namespace

TEST(Help, TheManualWordForWord)
{
    const QString verwacht = QStringLiteral(
        "Korte handleiding Quillet\r\n------------------------------------\r\n"
        "Dit programma is bedoeld voor diegene die 'n enkele keer een factuur moeten uitschrijven met of zonder "
        "btw bedrag. Er zijn 2 verschillende layouts (onder het menu-item Instellingen) die d.m.v. de "
        "rechterbuttons kunnen worden gekozen. Deze keuze wordt dan automatisch opgeslagen en bij het opnieuw "
        "starten van het programma weer getoond. Hieronder kunt u ook het BTW percentage wijzigen.\r\n\r\n"
        "Invoeren / wijzigen gegevens\r\n------------------------------------\r\n"
        "Dubbelklik op resp. het logo, mijn gegevens, factuurdatum, adres gegevens, omschrijving v/d factuur, "
        "achtergrond en op de voettekst om deze in te voeren en/of te wijzigen.\r\n\r\n"
        "Gegevens openen / opslaan\r\n-----------------------------------\r\n"
        "De gegevens van de factuur kunnen worden geopend en opgeslagen onder het menu-item Bestand / Factuur "
        "Openen en Factuur Opslaan. Tevens wordt hierbij de factuurdatum en nummer opgeslagen. Mijn gegevens en "
        "de adres gegevens worden bij het sluiten van het programma opgeslagen.\r\n\r\n"
        "Logo ontwerpen\r\n--------------------\r\n"
        "Onder Tools / Logo's Ontwerpen kunt u zelf uw eigen logo maken d.m.v. het bijgevoegde tekenprogramma. "
        "De afmeting van het logo is 625 x 125 pixels in bitmap-formaat (Bmp). Er is zelfs een mogelijkheid om "
        "eigen foto's te importeren.\r\n\r\n"
        "Achtergrond ontwerpen\r\n------------------------------\r\n"
        "Voor een mooi uiterlijk kunt u een transparante afbeelding (een soort watermerk) invoegen van b.v. een "
        "foto van uw bedrijf. Klik hiervoor onder Tools / Achtergrond Ontwerpen. Met de scrollbalk kunt u de "
        "transparantie v/d afbeelding wijzigen.\r\n\r\n"
        "Factuur afdrukken\r\n-----------------------\r\n"
        "Nadat u de factuur hebt ingevuld kunt u deze afdrukken. Klik onder het menu-item Bestand / Factuur "
        "Afdrukken.\r\n");
    EXPECT_EQ(Handleiding(), verwacht);

    // The rules under the headings are as long as the manual has them.
    const QStringList regels = Handleiding().split(QStringLiteral("\r\n"));
    QList<qsizetype> streepjes;
    for (const QString& regel : regels)
        if (!regel.isEmpty() && regel.count(QLatin1Char('-')) == regel.size())
            streepjes << regel.size();
    EXPECT_EQ(streepjes, QList<qsizetype>({36, 36, 35, 20, 30, 23}));
}

TEST(Help, TheSpecialCharactersWordForWord)
{
    const QStringList verwacht = {
        "Bijzondere tekens en handelingen met het toetsenbord", "",
        "\u00E1  = Ctrl-Alt - a / 160", "\u00E9  = Ctrl-Alt - e / 130", "\u00F3  = Ctrl-Alt - o / 162",
        "\u00E4  = Ctrl-Alt - q / 132", "\u00FC  = Ctrl-Alt - y / 129", "\u00F6  = Ctrl-Alt - p / 148",
        "\u00FA  = Ctrl-Alt - u / 163", "\u00B5  = Ctrl-Alt - m / 230", "",
        " \u00A9  = Ctrl-Alt - c", "  \u00B2  = Ctrl-Alt - 2", "  \u00B3  = Ctrl-Alt - 3", "\u20AC  = Ctrl-Alt - 5",
        "\u00BC = Ctrl-Alt - 6 / 172", "\u00BD = Ctrl-Alt - 7 / 171", "\u00BE = Ctrl-Alt - 8", "",
        "Teksten...", "kopieren  = Ctrl-C", "plakken    = Ctrl-V",
    };
    EXPECT_EQ(SpecialeTekens(), verwacht.join(QStringLiteral("\r\n")));

    Venster o;
    EXPECT_EQ(o.main->Label6->text(), verwacht.join(QLatin1Char('\n')));
}

TEST(Help, HelpTwiceAndADoubleClickReturnToThePage)
{
    Venster o;
    Main& m = *o.main;
    ASSERT_TRUE(m.HelpHelp->isEnabled());
    EXPECT_TRUE(PaginaGetoond(m));

    m.HelpHelp->trigger();
    EXPECT_TRUE(HandleidingGetoond(m));
    EXPECT_EQ(m.HelpLabel->text(), QString(Handleiding()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(m.HelpLabel->wordWrap());
    EXPECT_EQ(m.HelpLabel->geometry(), QRect(14, 19, 400, 600));
    m.HelpHelp->trigger();
    EXPECT_TRUE(PaginaGetoond(m));

    m.HelpHelp->trigger();
    QTest::mouseDClick(m.HelpLabel, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(PaginaGetoond(m));
    m.HelpHelp->trigger();   // and after the double-click "Help" shows the manual again
    EXPECT_TRUE(HandleidingGetoond(m));
}

TEST(Help, WebLinksOpenTheMakersPages)
{
    Venster o;
    GeopendeAdressen geopend({QStringLiteral("https")});
    ASSERT_TRUE(o.main->HelpMeerSoftware->isEnabled());
    ASSERT_TRUE(o.main->HelpOrbano->isEnabled());
    o.main->HelpMeerSoftware->trigger();
    o.main->HelpOrbano->trigger();
    EXPECT_EQ(geopend.adressen, QStringList({kMeerSoftwareAdres, kOrbanoAdres}));
    EXPECT_NE(kMeerSoftwareAdres, kOrbanoAdres);
}
