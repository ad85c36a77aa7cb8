// Filters that give each pixel a colour computed from its own colour alone:
// Negative, Grayscale, Light/Dark, Swap Colors and Add noise.

#include "imaging/arithmetic.h"
#include "imaging/catalogue.h"

#include <array>

namespace imaging::catalogus {

void Negative(FilterWerk& w)
{
    ElkePixel(w, Leest::InPlaats, [](Kleur k) {
        return Kleur{static_cast<std::uint8_t>(255 - k.R), static_cast<std::uint8_t>(255 - k.G),
                     static_cast<std::uint8_t>(255 - k.B)};
    });
}

void Grayscale(FilterWerk& w)
{
    ElkePixel(w, Leest::InPlaats, [](Kleur k) {
        const auto grijs = static_cast<std::uint8_t>(GrijsWaarde(k));
        return Kleur{grijs, grijs, grijs};
    });
}

void LightDark(FilterWerk& w, std::int32_t p)
{
    const double f = ProcentFactor(p);
    std::array<std::uint8_t, 256> tabel{};
    for (int i = 0; i < 256; ++i) tabel[i] = Klem(RondAf(f * i));
    ElkePixel(w, Leest::UitKopie, [&](Kleur k) { return Kleur{tabel[k.R], tabel[k.G], tabel[k.B]}; });
}

void SwapColors(FilterWerk& w, std::int32_t m)
{
    ElkePixel(w, Leest::UitKopie, [m](Kleur k) {
        switch (m) {
        case 1: return Kleur{k.B, k.R, k.G};  // RGB --> BRG
        case 2: return Kleur{k.G, k.B, k.R};  // RGB --> GBR
        case 3: return Kleur{k.R, k.B, k.G};  // RGB --> RBG
        case 4: return Kleur{k.B, k.G, k.R};  // RGB --> BGR
        case 5: return Kleur{k.G, k.R, k.B};  // RGB --> GRB
        default: return k;
        }
    });
}

void AddNoise(FilterWerk& w, std::int32_t p)
{
    const double breedte = 2.0 * p + 1;
    auto ruis = [&](std::uint8_t c) { return Klem(RondAf(w.toeval() * breedte - p + c)); };
    ElkePixel(w, Leest::UitKopie, [&](Kleur k) {
        // One random number per channel, drawn blue first.
        const std::uint8_t b = ruis(k.B);
        const std::uint8_t g = ruis(k.G);
        const std::uint8_t r = ruis(k.R);
        return Kleur{r, g, b};
    });
}

}  // namespace imaging::catalogus
