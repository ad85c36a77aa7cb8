#include "einvoice/efactuur_bedragen.h"

#include "invoice/creditnota_regels.h"
#include "invoice/regels_totalen.h"

using platform::Bedrag;

EfactuurBedragen BerekenEfactuur(const Factuur& f)
{
    // A credit note's lines turn the invoice's sign on the page; the document
    // says it credits them, so it states them as the invoice did.
    const bool credit = IsCreditnota(f);
    const auto gesteld = [credit](Bedrag b) { return credit ? Bedrag() - b : b; };
    EfactuurBedragen b;
    for (int i = 0; i < Factuur::kRegels; ++i) {
        const Bedrag prijs = gesteld(PrijsWaarde(f.Prijs[i]));
        const QString omschrijving = f.Omschrijving[i].trimmed();
        if (omschrijving.isEmpty() && prijs.IsNul())
            continue;
        EfactuurRegel r;
        r.nummer = i + 1;
        r.notitie = f.Aantal[i].trimmed();
        r.naam = omschrijving;
        if (r.naam.isEmpty())   // a receiver rejects a line without an item name
            r.naam = r.notitie.isEmpty() ? QStringLiteral("Regel %1").arg(r.nummer) : r.notitie;
        const bool negatief = prijs < Bedrag();
        r.aantal = negatief ? -1 : 1;
        r.prijs = negatief ? Bedrag() - prijs : prijs;
        r.bedrag = gesteld(PrijsInCenten(f.Prijs[i]));
        b.regels.push_back(r);
    }
    // The lines editor's rule is the standard's: the page asks the same
    // amounts. Its rounding goes half away from zero, so the turned sign
    // gives the same cents.
    const Totalen t = TotalenVan(f.Prijs, f.BtwProcent);
    b.totaalExBtw = gesteld(t.exBtw);
    b.btw = gesteld(t.btw);
    b.totaalInclBtw = gesteld(t.inclBtw);
    return b;
}
