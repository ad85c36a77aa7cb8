// Any bytes as an invoice file: the reader either fails and leaves the
// invoice as it was, or takes the lines, date and number so that writing
// them out and reading them back gives the same file.
#include "invoice/invoice_file.h"

#include <cstdlib>

namespace {

bool ZelfdeInhoud(const Factuur& a, const Factuur& b)
{
    return a.Aantal == b.Aantal && a.Omschrijving == b.Omschrijving && a.Prijs == b.Prijs
        && a.FactuurDatum == b.FactuurDatum && a.FactuurNummer == b.FactuurNummer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    Factuur f;
    ZetStandaardwaarden(f);
    f.Omschrijving[3] = QStringLiteral("voor het lezen");
    const Factuur voor = f;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!LeesFactuur(f, bytes)) {
        if (!ZelfdeInhoud(f, voor))
            std::abort();
        return 0;
    }
    const QByteArray geschreven = FactuurBytes(f);
    Factuur terug;
    if (!LeesFactuur(terug, geschreven) || FactuurBytes(terug) != geschreven)
        std::abort();
    return 0;
}
