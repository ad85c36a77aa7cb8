// Any text as the address block: the proposal's name is its first line, and
// a postcode it finds has the Dutch form "1234 AB" with the town after it.
#include "invoice/klantgegevens.h"

#include <QRegularExpression>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    static const QRegularExpression postcode(QStringLiteral("^[1-9][0-9]{3} [A-Z]{2}$"));
    const QString adres = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Klantgegevens k = KlantUitAdres(adres);
    if (k.Naam != KlantSleutel(adres))
        std::abort();
    if (!k.Postcode.isEmpty() && !postcode.match(k.Postcode).hasMatch())
        std::abort();
    if (k.Postcode.isEmpty() && (!k.Plaats.isEmpty() || !k.Straat.isEmpty()))
        std::abort();
    return 0;
}
