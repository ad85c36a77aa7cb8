#include "boek/creditnota.h"

#include "invoice/regels_totalen.h"

QString TegengesteldePrijs(const QString& prijs)
{
    const QString tekst = prijs.trimmed();
    if (BedragWaarde(tekst).IsNul())
        return prijs;
    if (tekst.startsWith(QLatin1Char('-')))
        return tekst.mid(1).trimmed();
    return QLatin1Char('-') + (tekst.startsWith(QLatin1Char('+')) ? tekst.mid(1).trimmed() : tekst);
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
