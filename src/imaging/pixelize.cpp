// Pixelize: every pixel takes the mean colour of its n x n block.

#include "imaging/catalogue.h"

#include <algorithm>
#include <vector>

namespace imaging::catalogus {

namespace {

// Mean colour of the pixels of the block that lie inside the image; blocks
// at the right and bottom edges may be smaller than n x n.
Kleur BlokGemiddelde(const Pixels& bron, std::int64_t x0, std::int64_t y0, std::int64_t n)
{
    const std::int64_t x1 = std::min<std::int64_t>(x0 + n, bron.Width());
    const std::int64_t y1 = std::min<std::int64_t>(y0 + n, bron.Height());
    std::int64_t som[3] = {0, 0, 0};
    for (auto y = y0; y < y1; ++y)
        for (auto x = x0; x < x1; ++x) {
            const std::uint8_t* p = bron.Pixel(static_cast<int>(x), static_cast<int>(y));
            for (int c = Blauw; c <= Rood; ++c) som[c] += p[c];
        }
    const std::int64_t aantal = (x1 - x0) * (y1 - y0);
    return {static_cast<std::uint8_t>(som[Rood] / aantal), static_cast<std::uint8_t>(som[Groen] / aantal),
            static_cast<std::uint8_t>(som[Blauw] / aantal)};
}

}  // namespace

void Pixelize(FilterWerk& w, std::int32_t n)
{
    if (n < 1) return;  // no block size, nothing to average
    const Pixels& bron = w.pixelsOrigineel;
    std::vector<Kleur> blokRij(static_cast<std::size_t>((std::int64_t{w.W()} + n - 1) / n));
    PerRij(w, 0, w.H(), [&](int y) {
        if (y % n == 0)
            for (std::size_t blok = 0; blok < blokRij.size(); ++blok)
                blokRij[blok] = BlokGemiddelde(bron, static_cast<std::int64_t>(blok) * n, y, n);
        for (int x = 0; x < w.W(); ++x) w.pixels.ZetKleur(x, y, blokRij[static_cast<std::size_t>(x / n)]);
    });
}

}  // namespace imaging::catalogus
