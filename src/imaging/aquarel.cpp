// Aquarel: each channel takes the mean of whichever of the four 3 x 3 squares
// cornered at the pixel varies least (a Kuwahara filter).

#include "imaging/catalogue.h"

#include <array>
#include <cstdlib>
#include <vector>

namespace imaging::catalogus {

namespace {

// For the 3 x 3 squares centred on one row, per channel and column:
// m = the sum of the 9 values \ 9 and d = the sum of |value - m|.
struct VierkantRij {
    std::array<std::vector<int>, 3> m;
    std::array<std::vector<int>, 3> d;
};

// Each square is shared by the four pixels at its corners, so it is measured
// once. Output row y needs the squares centred on rows y - 1 and y + 1; three
// rows of squares and the three image rows under the newest are all that is
// kept. The work runs channel by channel over plain rows of ints so the inner
// loops are simple and contiguous.
class Vierkanten {
public:
    explicit Vierkanten(const Pixels& bron) : bron_(bron)
    {
        const auto w = static_cast<std::size_t>(bron.Width());
        for (int i = 0; i < 3; ++i)
            for (int c = Blauw; c <= Rood; ++c) {
                rijen_[i].m[c].assign(w, 0);
                rijen_[i].d[c].assign(w, 0);
                beeldRijen_[i][c].assign(w, 0);
            }
        kolomSom_.assign(w, 0);
    }

    // Measures the squares centred on row y; rows y - 1 and y of the image
    // must have been read before.
    void MeetRij(int y)
    {
        LeesBeeldRij(y + 1);
        VierkantRij& rij = rijen_[static_cast<std::size_t>(y % 3)];
        const int w = bron_.Width();
        for (int c = Blauw; c <= Rood; ++c) {
            const std::vector<int>* waarden[3];
            for (int j = 0; j < 3; ++j) waarden[j] = &beeldRijen_[static_cast<std::size_t>((y - 1 + j) % 3)][c];
            for (int x = 0; x < w; ++x) kolomSom_[x] = (*waarden[0])[x] + (*waarden[1])[x] + (*waarden[2])[x];
            std::vector<int>& m = rij.m[c];
            std::vector<int>& d = rij.d[c];
            for (int x = 1; x < w - 1; ++x) {
                m[x] = (kolomSom_[x - 1] + kolomSom_[x] + kolomSom_[x + 1]) / 9;
                d[x] = 0;
            }
            for (const auto* rijWaarden : waarden)
                for (int i = -1; i <= 1; ++i)
                    for (int x = 1; x < w - 1; ++x) d[x] += std::abs((*rijWaarden)[x + i] - m[x]);
        }
    }

    void LeesBeeldRij(int y)
    {
        auto& rij = beeldRijen_[static_cast<std::size_t>(y % 3)];
        const std::uint8_t* p = bron_.Pixel(0, y);
        for (int x = 0; x < bron_.Width(); ++x, p += Pixels::BytesPerPixel)
            for (int c = Blauw; c <= Rood; ++c) rij[c][x] = p[c];
    }

    const VierkantRij& Rij(int y) const { return rijen_[static_cast<std::size_t>(y % 3)]; }

private:
    const Pixels& bron_;
    std::array<VierkantRij, 3> rijen_;
    std::array<std::array<std::vector<int>, 3>, 3> beeldRijen_;  // [image row % 3][channel]
    std::vector<int> kolomSom_;
};

}  // namespace

void Aquarel(FilterWerk& w)
{
    if (w.H() < 5) return;  // no row lies two rows from both edges
    Vierkanten vierkanten(w.pixelsOrigineel);
    vierkanten.LeesBeeldRij(0);
    vierkanten.LeesBeeldRij(1);
    vierkanten.MeetRij(1);
    vierkanten.MeetRij(2);
    const int breedte = w.W();
    PerRij(w, 2, w.H() - 2, [&](int y) {
        vierkanten.MeetRij(y + 1);
        const VierkantRij& boven = vierkanten.Rij(y - 1);
        const VierkantRij& onder = vierkanten.Rij(y + 1);
        for (int c = Blauw; c <= Rood; ++c) {
            const int* dBoven = boven.d[c].data();
            const int* mBoven = boven.m[c].data();
            const int* dOnder = onder.d[c].data();
            const int* mOnder = onder.m[c].data();
            std::uint8_t* doel = w.pixels.Pixel(0, y) + c;
            for (int x = 2; x < breedte - 2; ++x) {
                // In order above-left, above-right, below-left, below-right;
                // a later square must be strictly smaller, so ties go to the
                // earlier one. The first always wins against the start value
                // 99999 (d is at most 9 * 255). Written without branches: which
                // square wins is as random as the picture.
                int kleinste = dBoven[x - 1];
                int gemiddeld = mBoven[x - 1];
                const auto kandidaat = [&](int d, int m) {
                    const bool kleiner = d < kleinste;
                    gemiddeld = kleiner ? m : gemiddeld;
                    kleinste = kleiner ? d : kleinste;
                };
                kandidaat(dBoven[x + 1], mBoven[x + 1]);
                kandidaat(dOnder[x - 1], mOnder[x - 1]);
                kandidaat(dOnder[x + 1], mOnder[x + 1]);
                doel[x * Pixels::BytesPerPixel] = static_cast<std::uint8_t>(gemiddeld);
            }
        }
    });
}

}  // namespace imaging::catalogus
