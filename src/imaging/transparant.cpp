#include "imaging/transparant.h"

#include "imaging/arithmetic.h"

#include <algorithm>
#include <cstdint>

namespace imaging {
namespace {

// Red and green are mixed in floating point.
std::uint8_t MengDrijvend(int blanco, int plaatje, int t)
{
    return Klem(RondAf((blanco * (100.0 - t) + plaatje * static_cast<double>(t)) / 100.0));
}

// Blue is mixed in 16-bit integers before the division. With t in 0..100 the
// sum is at most 100 x 255 = 25500, which 16 bits hold.
std::uint8_t MengBlauw(int blanco, int plaatje, int t)
{
    const auto som = static_cast<std::int16_t>((100 - t) * blanco + t * plaatje);
    return Klem(RondAf(som / 100.0));
}

}  // namespace

Pixels MaakTransparant(const Pixels& blanco, const Pixels& plaatje, int t)
{
    t = std::clamp(t, 0, 100);
    Pixels doek = blanco;
    const int breed = std::min(blanco.Width(), plaatje.Width());
    const int hoog = std::min(blanco.Height(), plaatje.Height());
    for (int y = 0; y < hoog; ++y)
        for (int x = 0; x < breed; ++x) {
            const Kleur c1 = blanco.KleurOp(x, y);
            const Kleur c2 = plaatje.KleurOp(x, y);
            doek.ZetKleur(x, y, {MengDrijvend(c1.R, c2.R, t), MengDrijvend(c1.G, c2.G, t), MengBlauw(c1.B, c2.B, t)});
        }
    return doek;
}

}  // namespace imaging
