// The 3 x 3 neighbourhood filters: Sharpen, Blur, Edge, Contour and Relief.

#include "imaging/arithmetic.h"
#include "imaging/catalogue.h"

namespace imaging::catalogus {

namespace {

// v = (C * centreWeight - neighbourWeight * S) \ divisor, clamped, in place.
// The parameter reaches the weights unchecked, so they are 64-bit; a divisor
// of 0 has no result and leaves the image as it is.
void GewogenVerschil(FilterWerk& w, std::int64_t centreGewicht, std::int64_t buurGewicht, std::int64_t deler)
{
    if (deler == 0) return;
    ElkeBinnenpixel(w, Leest::InPlaats, [&](const Buurt& b, Kanaal) {
        return Klem((b.C() * centreGewicht - buurGewicht * b.S()) / deler);
    });
}

}  // namespace

void Sharpen(FilterWerk& w, std::int32_t p)
{
    GewogenVerschil(w, std::int64_t{p} + 24, 2, std::int64_t{p} + 8);
}

void Edge(FilterWerk& w, std::int32_t p)
{
    GewogenVerschil(w, std::int64_t{p} + 9, 1, std::int64_t{p} + 1);
}

void Blur(FilterWerk& w)
{
    ElkeBinnenpixel(w, Leest::InPlaats, [](const Buurt& b, Kanaal) { return static_cast<std::uint8_t>(b.S() / 8); });
}

void Contour(FilterWerk& w, std::int32_t kleur)
{
    const KleurDelen k = SplitsKleur(kleur);
    const int opTeTellen[3] = {k.B, k.G, k.R};  // by channel: blue, green, red
    ElkeBinnenpixel(w, Leest::UitKopie, [&](const Buurt& b, Kanaal c) {
        return Klem(std::int64_t{8} * b.C() - b.S() + opTeTellen[c]);
    });
}

void Relief(FilterWerk& w)
{
    // Kernel rows top to bottom: (2, 1, 0), (1, 1, -1), (0, -1, -2).
    ElkeBinnenpixel(w, Leest::UitKopie, [](const Buurt& b, Kanaal) {
        const int som = 2 * b.P(-1, -1) + b.P(0, -1) + b.P(-1, 0) + b.C() - b.P(1, 0) - b.P(0, 1) - 2 * b.P(1, 1);
        return Klem(som / 2 + 50);
    });
}

}  // namespace imaging::catalogus
