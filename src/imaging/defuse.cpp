// Defuse: every pixel takes the colour of a randomly displaced pixel.

#include "imaging/arithmetic.h"
#include "imaging/catalogue.h"

namespace imaging::catalogus {

namespace {

// A displacement that would leave the image along this axis becomes 0.
std::int64_t BinnenAs(std::int64_t positie, std::int64_t verschuiving, int lengte)
{
    const std::int64_t doel = positie + verschuiving;
    return doel < 0 || doel >= lengte ? 0 : verschuiving;
}

}  // namespace

void Defuse(FilterWerk& w, std::int32_t p)
{
    const std::int64_t h = RondAf(p / 2.0);
    PerRij(w, 0, w.H(), [&](int y) {
        for (int x = 0; x < w.W(); ++x) {
            const std::int64_t dx = BinnenAs(x, RondAf(w.toeval() * p - h), w.W());
            const std::int64_t dy = BinnenAs(y, RondAf(w.toeval() * p - h), w.H());
            // In place: the source may already have been displaced itself.
            w.pixels.ZetKleur(x, y, w.pixels.KleurOp(static_cast<int>(x + dx), static_cast<int>(y + dy)));
        }
    });
}

}  // namespace imaging::catalogus
