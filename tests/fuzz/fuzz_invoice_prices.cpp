// Any bytes as an invoice file, opened as "Factuur Openen" opens it: when the
// file is taken and no price is too large to compute, the totals are those
// of every other rule, to the cent, and the VAT column matches the lines.
#include "invoice/algemeen.h"
#include "invoice/invoice_file.h"
#include "invoice/regels_totalen.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    Factuur f;
    ZetStandaardwaarden(f);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!LeesFactuur(f, bytes) || TeGrotePrijs(f.Prijs))
        return 0;
    for (const std::uint8_t procent : {0, 21, 30}) {
        Factuur geopend = f;
        geopend.BtwProcent = procent;
        HerberekenFactuur(geopend);
        const Totalen t = TotalenVan(f.Prijs, procent);
        if (geopend.TotaalExBtw.OpCenten() != t.exBtw || geopend.TotaalBtw.OpCenten() != t.btw
            || geopend.TotaalInclBtw.OpCenten() != t.inclBtw)
            std::abort();
        // Read once more, the prices as opening left them count the same.
        if (TotalenVan(geopend.Prijs, procent).inclBtw != t.inclBtw)
            std::abort();
        if (geopend.KolomBtw.count(QStringLiteral("\r\n")) != Factuur::kRegels)
            std::abort();
    }
    return 0;
}
