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

// The error table: for every error e = -255..255 its fifteen shares
// (Gewicht * e) \ 42, worked out once instead of per pixel.
struct FoutTabel {
    std::array<std::array<int, 15>, 511> delen{};

    FoutTabel()
    {
        for (int e = -255; e <= 255; ++e)
            for (int i = 0; i < 15; ++i) delen[static_cast<std::size_t>(e + 255)][i] = Gewicht[i / 5][i % 5] * e / 42;
    }
    const std::array<int, 15>& Voor(int e) const { return delen[static_cast<std::size_t>(e + 255)]; }
};

// Error for the current row and the two below it. Each row has two spare
// cells on either side, so shares that fall left or right of the image land
// there and are never read; likewise shares for rows below the last one.
class FoutRijen {
public:
    explicit FoutRijen(int breedte)
    {
        for (auto& rij : rijen_) rij.assign(static_cast<std::size_t>(breedte) + 4, 0);
    }

    int Huidig(int x) const { return rijen_[0][static_cast<std::size_t>(x) + 2]; }

    void Verdeel(int x, const std::array<int, 15>& delen)
    {
        for (int rij = 0; rij < 3; ++rij) {
            int* doel = rijen_[rij].data() + x;  // column x - 2
            for (int i = 0; i < 5; ++i) doel[i] += delen[static_cast<std::size_t>(rij * 5 + i)];
        }
    }

    void VolgendeRij()
    {
        std::swap(rijen_[0], rijen_[1]);
        std::swap(rijen_[1], rijen_[2]);
        std::fill(rijen_[2].begin(), rijen_[2].end(), 0);
    }

private:
    std::array<std::vector<int>, 3> rijen_;
};

}  // namespace

void Scattered(FilterWerk& w, std::int32_t p)
{
    if (p == 0) return;  // the carried error is scaled by 10 / p
    static const FoutTabel tabel;
    const Pixels& bron = w.pixelsOrigineel;
    const int gemiddeld = GemiddeldGrijs(bron);
    const int breedte = w.W();
    FoutRijen err(breedte);

    PerRij(w, 0, w.H(), [&](int y) {
        const std::uint8_t* van = bron.Pixel(0, y);
        std::uint8_t* naar = w.pixels.Pixel(0, y);
        for (int x = 0; x < breedte; ++x, van += Pixels::BytesPerPixel, naar += Pixels::BytesPerPixel) {
            const int grijs = GrijsTabel[van[Blauw] + van[Groen] + van[Rood]];
            // The carried error stays within +-252 (the shares of one error add up to
            // less than it), so the product fits easily.
            const int v = Klem(grijs + err.Huidig(x) * 10 / p);
            const std::uint8_t uit = v < gemiddeld ? 0 : 255;
            naar[Blauw] = naar[Groen] = naar[Rood] = uit;
            err.Verdeel(x, tabel.Voor(v - uit));
        }
        err.VolgendeRij();
    });
}

}  // namespace imaging::catalogus
