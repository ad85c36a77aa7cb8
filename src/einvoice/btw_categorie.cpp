#include "einvoice/btw_categorie.h"

BtwCategorie BtwCategorieVan(const Factuur& f)
{
    if (f.BtwProcent > 0)
        return {QStringLiteral("S"), f.BtwProcent, {}, {}};
    const NulTariefGeval& geval = GevalVan(f.Nultarief);
    // A zero-rated line carries no reason; every other 0 % case must give
    // one: the case's own, the one given with the invoice, or what the page
    // says of the case.
    if (geval.categorie == QStringLiteral("Z"))
        return {geval.categorie, 0, {}, {}};
    QString reden = geval.reden;
    if (reden.isEmpty())
        reden = f.RedenVrijstelling.trimmed();
    if (reden.isEmpty())
        reden = geval.factuurTekst.isEmpty() ? geval.keuzeTekst : geval.factuurTekst;
    return {geval.categorie, 0, geval.redenCode, reden};
}

bool IsIntracommunautair(const BtwCategorie& c)
{
    return c.code == QStringLiteral("K");
}
