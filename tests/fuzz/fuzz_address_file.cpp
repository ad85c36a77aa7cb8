// Any bytes as an address file: the reader gives a text, and that text,
// written as an address file and read again, comes back the same.
#include "invoice/address_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString tekst = AdresUitBytes(bytes);
    if (!tekst.isEmpty() && !tekst.endsWith(QStringLiteral("\r\n")))
        std::abort();
    if (AdresUitBytes(AdresBytes(tekst)) != tekst)
        std::abort();
    return 0;
}
