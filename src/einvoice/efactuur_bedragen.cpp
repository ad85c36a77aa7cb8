#include "einvoice/efactuur_bedragen.h"

#include "invoice/regels_totalen.h"

EfactuurBedragen BerekenEfactuur(const Factuur& f)
{
    EfactuurBedragen b;
    for (int i = 0; i < Factuur::kRegels; ++i) {
        const platform::Bedrag prijs = PrijsWaarde(f.Prijs[i]);
        const QString omschrijving = f.Omschrijving[i].trimmed();
        if (omschrijving.isEmpty() && prijs.IsNul())
            continue;
        EfactuurRegel r;
        r.nummer = i + 1;
        r.notitie = f.Aantal[i].trimmed();
        r.naam = omschrijving;
        if (r.naam.isEmpty())   // a receiver rejects a line without an item name
            r.naam = r.notitie.isEmpty() ? QStringLiteral("Regel %1").arg(r.nummer) : r.notitie;
        const bool negatief = prijs < platform::Bedrag();
        r.aantal = negatief ? -1 : 1;
        r.prijs = negatief ? platform::Bedrag() - prijs : prijs;
        r.bedrag = PrijsInCenten(f.Prijs[i]);
        b.regels.push_back(r);
    }
    // The lines editor's rule is the standard's: the page asks the same amounts.
    const Totalen t = TotalenVan(f.Prijs, f.BtwProcent);
    b.totaalExBtw = t.exBtw;
    b.btw = t.btw;
    b.totaalInclBtw = t.inclBtw;
    return b;
}
