// Scattered: error diffusion after Stucki to pure black and white, with the
// image's own mean grey as the threshold.

#include "imaging/arithmetic.h"
#include "imaging/catalogue.h"

#include <algorithm>
#include <array>
#include <vector>

namespace imaging::catalogus {

namespace {

// Share of the error, in 42nds, for the columns x-2..x+2 of the current row
// and the two below it; the current row only passes error to the right.
constexpr int Gewicht[3][5] = {
    {0, 0, 0, 8, 4},
    {2, 4, 8, 4, 2},
    {1, 2, 4, 2, 1},
};

// err[0] is the current row, err[1] and err[2] the next two.
using FoutRijen = std::array<std::vector<int>, 3>;

void VerdeelFout(FoutRijen& err, int x, int e, int rijenOver)
{
    const int breedte = static_cast<int>(err[0].size());
    for (int rij = 0; rij < std::min(3, rijenOver); ++rij)
        for (int dx = -2; dx <= 2; ++dx) {
            const int doel = x + dx;
            if (doel >= 0 && doel < breedte) err[rij][doel] += (Gewicht[rij][dx + 2] * e) / 42;
        }
}

void VolgendeRij(FoutRijen& err)
{
    std::swap(err[0], err[1]);
    std::swap(err[1], err[2]);
    std::fill(err[2].begin(), err[2].end(), 0);
}

}  // namespace

void Scattered(FilterWerk& w, std::int32_t p)
{
    if (p == 0) return;  // the carried error is scaled by 10 / p
    const Pixels& bron = w.pixelsOrigineel;
    const int gemiddeld = GemiddeldGrijs(bron);
    FoutRijen err;
    for (auto& rij : err) rij.assign(static_cast<std::size_t>(w.W()), 0);

    PerRij(w, 0, w.H(), [&](int y) {
        for (int x = 0; x < w.W(); ++x) {
            const int v = Klem(GrijsWaarde(bron.KleurOp(x, y)) + (std::int64_t{err[0][x]} * 10) / p);
            const std::uint8_t uit = v < gemiddeld ? 0 : 255;
            w.pixels.ZetKleur(x, y, {uit, uit, uit});
            VerdeelFout(err, x, v - uit, w.H() - y);
        }
        VolgendeRij(err);
    });
}

}  // namespace imaging::catalogus
