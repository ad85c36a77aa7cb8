// Aquarel: each channel takes the mean of whichever of the four 3 x 3 squares
// cornered at the pixel varies least (a Kuwahara filter).

#include "imaging/catalogue.h"

#include <cstdlib>
#include <vector>

namespace imaging::catalogus {

namespace {

struct Vierkant {
    int m = 0;  // sum of the 9 values \ 9
    int d = 0;  // sum of |value - m| over the 9 values
};

// m and d of the 3 x 3 square around every inner pixel, per channel, worked
// out once: each square is shared by the four pixels at its corners.
class Vierkanten {
public:
    explicit Vierkanten(const Pixels& bron) : breedte_(bron.Width()), maten_(bron.ByteCount())
    {
        for (int y = 1; y < bron.Height() - 1; ++y)
            for (int x = 1; x < breedte_ - 1; ++x)
                for (int c = Blauw; c <= Rood; ++c) maten_[Index(x, y, c)] = Meet(bron.Pixel(x, y) + c, bron.BytesPerLine());
    }

    const Vierkant& Rond(int x, int y, int c) const { return maten_[Index(x, y, c)]; }

private:
    static Vierkant Meet(const std::uint8_t* centre, std::ptrdiff_t rij)
    {
        int waarden[9];
        int som = 0;
        for (int i = 0; i < 9; ++i) som += waarden[i] = centre[(i / 3 - 1) * rij + (i % 3 - 1) * Pixels::BytesPerPixel];
        Vierkant v{som / 9, 0};
        for (int waarde : waarden) v.d += std::abs(waarde - v.m);
        return v;
    }

    std::size_t Index(int x, int y, int c) const
    {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(breedte_) + static_cast<std::size_t>(x)) * 4 +
               static_cast<std::size_t>(c);
    }

    int breedte_;
    std::vector<Vierkant> maten_;
};

}  // namespace

void Aquarel(FilterWerk& w)
{
    const Vierkanten vierkanten(w.pixelsOrigineel);
    // The squares in their order: above-left, above-right, below-left, below-right.
    constexpr int Midden[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    PerRij(w, 2, w.H() - 2, [&](int y) {
        for (int x = 2; x < w.W() - 2; ++x) {
            std::uint8_t* doel = w.pixels.Pixel(x, y);
            for (int c = Blauw; c <= Rood; ++c) {
                // Ties go to the earlier square: a later one must be strictly smaller.
                int kleinste = 99999;
                for (const auto& m : Midden) {
                    const Vierkant& v = vierkanten.Rond(x + m[0], y + m[1], c);
                    if (v.d < kleinste) {
                        kleinste = v.d;
                        doel[c] = static_cast<std::uint8_t>(v.m);
                    }
                }
            }
        }
    });
}

}  // namespace imaging::catalogus
