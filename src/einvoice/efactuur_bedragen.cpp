#include "einvoice/efactuur_bedragen.h"

#include "invoice/algemeen.h"

EfactuurBedragen BerekenEfactuur(const Factuur& f)
{
    EfactuurBedragen b;
    for (int i = 0; i < Factuur::kRegels; ++i) {
        const platform::Bedrag prijs = RegelPrijs(f.Prijs[i]);
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
        r.bedrag = prijs.OpCenten();
        b.totaalExBtw += r.bedrag;
        b.regels.push_back(r);
    }
    b.btw = b.totaalExBtw.MaalProcent(f.BtwProcent).OpCenten();
    b.totaalInclBtw = b.totaalExBtw + b.btw;
    return b;
}
