// Any bytes as a snapshot of "Facturen/Uitgegeven", the files the book is
// rebuilt from: the reader either refuses them, or what it read writes out
// as bytes that read back to themselves. A page it refuses leaves the
// invoice as it was.
#include "boek/blad.h"
#include "boek/uitgifte.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Factuur f;
    ZetStandaardwaarden(f);
    const QByteArray voor = BladBytes(f);
    if (!LeesBlad(f, bytes) && BladBytes(f) != voor)
        std::abort();

    const auto u = LeesSnapshot(bytes);
    if (!u)
        return 0;
    const QByteArray geschreven = SnapshotBytes(*u);
    const auto terug = LeesSnapshot(geschreven);
    if (!terug || SnapshotBytes(*terug) != geschreven)
        std::abort();
    return 0;
}
