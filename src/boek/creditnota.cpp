#include "boek/creditnota.h"

#include "invoice/regels_totalen.h"

QString TegengesteldePrijs(const QString& prijs)
{
    if (PrijsWaarde(prijs).IsNul())
        return prijs;
    // A Dutch amount turns as the number it is read as ("1.234,50" is one
    // amount, not "-1" and more); any other text by its leading number.
    const auto getal = GewoonGetal(prijs);
    QString tekst = getal ? *getal : prijs.trimmed();
    if (tekst.startsWith(QLatin1Char('-')))
        tekst = tekst.mid(1).trimmed();
    else
        tekst = QLatin1Char('-') + (tekst.startsWith(QLatin1Char('+')) ? tekst.mid(1).trimmed() : tekst);
    return getal ? PrijsMetKomma(tekst) : tekst;
}

void MaakCreditnota(Factuur& f, const Uitgifte& factuur, const QString& nummer, QDate vandaag)
{
    RegelTeksten prijzen;
    for (int i = 0; i < Factuur::kRegels; ++i)
        prijzen[i] = TegengesteldePrijs(f.Prijs[i]);
    const RegelTeksten aantal = f.Aantal;
    const RegelTeksten omschrijving = f.Omschrijving;
    BevestigRegels(f, aantal, omschrijving, prijzen);
    f.FactuurNummer = nummer;
    f.FactuurDatum = DatumTekst(vandaag);
    f.BetreftNummer = factuur.nummer;
    f.BetreftDatum = factuur.datumTekst.isEmpty() ? DatumTekst(factuur.datum) : factuur.datumTekst;
}
