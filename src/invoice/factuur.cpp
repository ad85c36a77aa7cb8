#include "invoice/factuur.h"

const QString kVoorbeeldAfzender = QStringLiteral(
    "Korpela B.V.\r\nLindeplein 59\r\n7701 KL, Dalmere\r\nKvk : 123456\r\nRabobank :912345678");
const QString kVoorbeeldAdres = QStringLiteral("Janssen & Zonen\r\nVoorbeeldstraat 52\r\n1234 AA, Amsterdam");

void ZetStandaardwaarden(Factuur& f)
{
    f = Factuur{};
    f.KopTekst[1] = QStringLiteral("Datum");
    f.KopTekst[2] = QStringLiteral("Omschrijving");
    f.KopTekst[3] = QStringLiteral("Ex.Btw");
    f.KopTekst[4] = QStringLiteral("Btw");
    f.KopTekst[5] = QStringLiteral("Totaal");
    f.KopTekst[6] = QStringLiteral("Totaal");
    f.KopTekst[7] = QStringLiteral("Btw");
    f.KopTekst[8] = QStringLiteral("Totaal");
    f.VoetTekst[1] = QStringLiteral("Bij betaling factuurdatum en factuurnummer vermelden.");
    f.AfzenderTekst = kVoorbeeldAfzender;
    f.AdresTekst = kVoorbeeldAdres;
    f.FactuurNummer = QStringLiteral("001");
    f.LogoBestand = QStringLiteral("voorbeeld-1.bmp");
    f.AchtergrondBestand = QStringLiteral("olifant.bmp");
}
