// Contrast: every channel scaled around the image's mean grey, with the
// overflow of one channel spilled into the other two.

#include "imaging/arithmetic.h"
#include "imaging/catalogue.h"

#include <algorithm>
#include <array>

namespace imaging::catalogus {

namespace {

using Bgr = std::array<std::int64_t, 3>;  // blue, green, red; may lie outside 0..255

bool BuitenBereik(std::int64_t v)
{
    return v < 0 || v > 255;
}

// Moves an out-of-range channel to the nearest bound and hands half of its
// excess (\ 2) to each of the other two.
void Spil(Bgr& v, int kanaal)
{
    std::int64_t e = 0;
    if (v[kanaal] > 255) {
        e = (v[kanaal] - 255) / 2;
        v[kanaal] = 255;
    } else if (v[kanaal] < 0) {
        e = v[kanaal] / 2;
        v[kanaal] = 0;
    } else {
        return;
    }
    for (int ander = 0; ander < 3; ++ander)
        if (ander != kanaal) v[ander] += e;
}

// Repeats until all three are bytes. Each spill halves the excess that moves
// on, so this ends within a handful of rounds for any 64-bit start.
Bgr Overloop(Bgr v)
{
    while (std::any_of(v.begin(), v.end(), BuitenBereik)) {
        if (std::none_of(v.begin(), v.end(), [](std::int64_t c) { return c > 0; })) {
            v = {0, 0, 0};
        } else if (std::none_of(v.begin(), v.end(), [](std::int64_t c) { return c < 255; })) {
            v = {255, 255, 255};
        } else {
            for (int kanaal = 0; kanaal < 3; ++kanaal) Spil(v, kanaal);
        }
    }
    return v;
}

}  // namespace

void Contrast(FilterWerk& w, std::int32_t p)
{
    const std::int64_t gemiddeld = GemiddeldGrijs(w.pixelsOrigineel);
    const double f = ProcentFactor(p);
    std::array<std::int64_t, 256> tabel{};
    for (int i = 0; i < 256; ++i) tabel[i] = RondAf(static_cast<double>(i - gemiddeld) * f + gemiddeld);

    ElkePixel(w, Leest::UitKopie, [&](Kleur k) {
        const Bgr v = Overloop({tabel[k.B], tabel[k.G], tabel[k.R]});
        return Kleur{static_cast<std::uint8_t>(v[2]), static_cast<std::uint8_t>(v[1]), static_cast<std::uint8_t>(v[0])};
    });
}

}  // namespace imaging::catalogus
