#pragma once

// What a running filter works on, and the loops the filters share. Internal
// to the imaging library.

#include "imaging/arithmetic.h"
#include "imaging/filter_engine.h"
#include "imaging/pixels.h"

#include <algorithm>
#include <cstdint>

namespace imaging {

// Whether a filter sees its own output (left and above the current pixel are
// already filtered) or only the image as it was.
enum class Leest { InPlaats, UitKopie };

struct FilterWerk {
    Pixels& pixels;                 // written back to the bitmap when the filter ends
    const Pixels& pixelsOrigineel;  // the image as it was before the filter
    const NaElkeRij& naElkeRij;
    Toeval& toeval;

    int W() const { return pixels.Width(); }
    int H() const { return pixels.Height(); }
    const Pixels& Bron(Leest leest) const { return leest == Leest::InPlaats ? pixels : pixelsOrigineel; }
    void RijKlaar() const
    {
        if (naElkeRij) naElkeRij();
    }
};

// The mean grey of the whole image, \ the pixel count (not empty).
inline int GemiddeldGrijs(const Pixels& beeld)
{
    std::int64_t som = 0;
    for (int y = 0; y < beeld.Height(); ++y)
        for (int x = 0; x < beeld.Width(); ++x) som += GrijsWaarde(beeld.KleurOp(x, y));
    return static_cast<int>(som / (std::int64_t{beeld.Width()} * beeld.Height()));
}

// Rows van..tot-1 from the top, the callback after each.
template <class Rij>
void PerRij(const FilterWerk& w, int van, int tot, Rij&& rij)
{
    for (int y = van; y < tot; ++y) {
        rij(y);
        w.RijKlaar();
    }
}

// Every pixel of the whole image gets a colour computed from its own colour
// alone. (Sizes and row pointers live in locals throughout: a byte store may
// alias anything, so the compiler would otherwise reload them per pixel.)
template <class Formule>
void ElkePixel(FilterWerk& w, Leest leest, Formule&& formule)
{
    const Pixels& bron = w.Bron(leest);
    const int breedte = w.W();
    PerRij(w, 0, w.H(), [&](int y) {
        const std::uint8_t* van = bron.Pixel(0, y);
        std::uint8_t* naar = w.pixels.Pixel(0, y);
        for (int x = 0; x < breedte; ++x, van += Pixels::BytesPerPixel, naar += Pixels::BytesPerPixel) {
            const Kleur k = formule(Kleur{van[Rood], van[Groen], van[Blauw]});
            naar[Blauw] = k.B;
            naar[Groen] = k.G;
            naar[Rood] = k.R;
        }
    });
}

// The 3 x 3 square of one channel around a pixel.
struct Buurt {
    const std::uint8_t* centre;
    std::ptrdiff_t rij;

    int P(int dx, int dy) const { return centre[dy * rij + dx * Pixels::BytesPerPixel]; }
    int C() const { return centre[0]; }
    // The 8 neighbours, centre excluded.
    int S() const
    {
        return P(-1, -1) + P(0, -1) + P(1, -1) + P(-1, 0) + P(1, 0) + P(-1, 1) + P(0, 1) + P(1, 1);
    }
};

// Every pixel but the outer border, each of blue, green and red by the same
// formula; the three are computed before any is stored.
template <class Formule>
void ElkeBinnenpixel(FilterWerk& w, Leest leest, Formule&& formule)
{
    const Pixels& bron = w.Bron(leest);
    const int breedte = w.W();
    const std::ptrdiff_t rij = bron.BytesPerLine();
    PerRij(w, 1, w.H() - 1, [&](int y) {
        const std::uint8_t* van = bron.Pixel(1, y);
        std::uint8_t* naar = w.pixels.Pixel(1, y);
        for (int x = 1; x < breedte - 1; ++x, van += Pixels::BytesPerPixel, naar += Pixels::BytesPerPixel) {
            std::uint8_t nieuw[3];
            for (int c = Blauw; c <= Rood; ++c) nieuw[c] = formule(Buurt{van + c, rij}, static_cast<Kanaal>(c));
            std::copy_n(nieuw, 3, naar);
        }
    });
}

}  // namespace imaging
