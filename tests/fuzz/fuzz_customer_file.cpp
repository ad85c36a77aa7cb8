// Any bytes as a customer file of the address it names: the reader takes
// what it can, and what it took, written and read again, comes back the same
// with nothing unusable (a double quote as a single one, as every record
// file keeps it).
#include "invoice/customer_file.h"
#include "platform/records.h"

#include <cstdlib>

namespace {

QString AlsOpgeslagen(QString tekst)
{
    return tekst.replace(QLatin1Char('"'), QLatin1Char('\''));
}

bool Gelijk(const Klantgegevens& a, const Klantgegevens& b)
{
    for (const KlantVeld& v : KlantVelden())
        if (AlsOpgeslagen(v.lees(a)) != AlsOpgeslagen(v.lees(b)))
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    platform::RecordReader r(bytes);
    r.LeesTekst();
    const QString sleutel = r.LeesTekst().value_or(QString());
    const auto gelezen = LeesKlant(bytes, sleutel);
    if (!gelezen)
        return 0;
    const auto opnieuw = LeesKlant(KlantBytes(sleutel, gelezen->gegevens), sleutel);
    if (!opnieuw || !opnieuw->onbruikbaar.isEmpty() || !Gelijk(opnieuw->gegevens, gelezen->gegevens))
        std::abort();
    return 0;
}
