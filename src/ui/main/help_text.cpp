#include "ui/main/help_text.h"

const QString kMeerSoftwareAdres = QStringLiteral("https://www.averno.example/software");
const QString kOrbanoAdres = QStringLiteral("https://orbano.averno.example/");

QString Handleiding()
{
    return QStringLiteral(
        "Korte handleiding Quillet\r\n"
        "------------------------------------\r\n"

        "Dit programma is bedoeld voor diegene die 'n enkele keer een factuur moeten "
        "uitschrijven met of zonder btw bedrag. "
        "Er zijn 2 verschillende layouts (onder het menu-item Instellingen) die d.m.v. de rechterbuttons "
        "kunnen worden gekozen. Deze keuze wordt dan automatisch "
        "opgeslagen en bij het opnieuw starten van het programma "
        "weer getoond. Hieronder kunt u ook het BTW percentage wijzigen.\r\n"
        "\r\n"

        "Invoeren / wijzigen gegevens\r\n"
        "------------------------------------\r\n"
        "Dubbelklik op resp. het logo, mijn gegevens, factuurdatum, "
        "adres gegevens, omschrijving v/d factuur, achtergrond en op "
        "de voettekst om deze in te voeren en/of te wijzigen.\r\n"
        "\r\n"

        "Gegevens openen / opslaan\r\n"
        "-----------------------------------\r\n"
        "De gegevens van de factuur kunnen worden geopend en "
        "opgeslagen onder het menu-item Bestand / Factuur Openen "
        "en Factuur Opslaan. Tevens wordt hierbij de factuurdatum en nummer opgeslagen. "
        "Mijn gegevens en de adres gegevens worden bij het sluiten van het programma opgeslagen.\r\n"
        "\r\n"

        "Logo ontwerpen\r\n"
        "--------------------\r\n"
        "Onder Tools / Logo's Ontwerpen kunt u zelf uw eigen logo "
        "maken d.m.v. het bijgevoegde tekenprogramma. De afmeting "
        "van het logo is 625 x 125 pixels in bitmap-formaat (Bmp). "
        "Er is zelfs een mogelijkheid om eigen foto's te importeren.\r\n"
        "\r\n"

        "Achtergrond ontwerpen\r\n"
        "------------------------------\r\n"
        "Voor een mooi uiterlijk kunt u een transparante afbeelding "
        "(een soort watermerk) invoegen van b.v. een foto van uw "
        "bedrijf. Klik hiervoor onder Tools / Achtergrond Ontwerpen. "
        "Met de scrollbalk kunt u de transparantie v/d afbeelding wijzigen.\r\n"
        "\r\n"

        "Factuur afdrukken\r\n"
        "-----------------------\r\n"
        "Nadat u de factuur hebt ingevuld kunt u deze afdrukken. Klik onder het "
        "menu-item Bestand / Factuur Afdrukken.\r\n");
}
