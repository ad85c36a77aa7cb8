#include "invoice/regels_totalen.h"

#include "invoice/algemeen.h"

#include "platform/amount.h"

namespace {

const QString crlf = QStringLiteral("\r\n");

}  // namespace

platform::Bedrag SomVanPrijzen(const RegelTeksten& prijzen)
{
    platform::Bedrag totaal;
    for (const QString& prijs : prijzen)
        totaal += PrijsInCenten(prijs);
    return totaal;
}

Totalen TotalenVan(const RegelTeksten& prijzen, int btwProcent)
{
    Totalen t;
    t.exBtw = SomVanPrijzen(prijzen);
    t.btw = t.exBtw.MaalProcent(btwProcent).OpCenten();
    t.inclBtw = t.exBtw + t.btw;
    return t;
}

std::optional<int> TeGrotePrijs(const RegelTeksten& prijzen)
{
    for (int i = 0; i < Factuur::kRegels; ++i)
        if (IsTeGrotePrijs(prijzen[i]))
            return i;
    return std::nullopt;
}

QString TeGrotePrijsMelding(int regel, const QString& prijs)
{
    return QStringLiteral("Regel %1: de prijs %2 is te groot. Quillet rekent met prijzen onder een miljard euro "
                          "(tot en met 999999999,99).")
        .arg(regel + 1)
        .arg(prijs.trimmed());
}

void BevestigRegels(Factuur& f, const RegelTeksten& aantal, const RegelTeksten& omschrijving,
                    const RegelTeksten& prijs)
{
    f.KolomDatum.clear();
    f.KolomOmschrijving.clear();
    f.KolomPrijs.clear();
    for (int i = 0; i < Factuur::kRegels; ++i) {
        f.Aantal[i] = aantal[i];
        f.Omschrijving[i] = omschrijving[i];
        f.Prijs[i] = PrijsMetKomma(prijs[i]);
        f.KolomDatum += f.Aantal[i] + crlf;
        f.KolomOmschrijving += f.Omschrijving[i] + crlf;
        f.KolomPrijs += f.Prijs[i] + crlf;
    }
    BouwBtwKolommen(f);
    const Totalen t = TotalenVan(f.Prijs, f.BtwProcent);
    f.TotaalExBtw = t.exBtw;
    f.TotaalBtw = t.btw;
    f.TotaalInclBtw = t.inclBtw;
}
