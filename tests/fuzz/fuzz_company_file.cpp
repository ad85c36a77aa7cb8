// Any bytes as "Bedrijf.ini": the reader takes what it can, field by field,
// and what it took writes out and reads back to the very same file.
#include "invoice/company_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const GelezenBedrijf gelezen = LeesBedrijfsgegevens(bytes);
    const QByteArray geschreven = BedrijfsgegevensBytes(gelezen.gegevens);
    if (BedrijfsgegevensBytes(LeesBedrijfsgegevens(geschreven).gegevens) != geschreven)
        std::abort();
    return 0;
}
