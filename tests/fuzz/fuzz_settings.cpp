// Any bytes as "Quillet.ini": the reader either fails or fills the invoice,
// and what it read writes out and reads back the same.
#include "invoice/settings_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    Factuur f;
    ZetStandaardwaarden(f);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!LeesInstellingen(f, bytes))
        return 0;
    Factuur terug;
    ZetStandaardwaarden(terug);
    if (!LeesInstellingen(terug, InstellingenBytes(f)) || InstellingenBytes(terug) != InstellingenBytes(f))
        std::abort();
    return 0;
}
