#pragma once

// The whole-number conventions every filter shares: rounding, clamping and
// the grey table.

#include "imaging/pixels.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace imaging {

// Nearest whole number, halves to the even neighbour, for |x| well inside the
// 64-bit range. Written out rather than left to std::nearbyint so the result
// never depends on the process's floating-point rounding mode.
inline std::int64_t RondAf(double x)
{
    const double onder = std::floor(x);
    const double rest = x - onder;
    const auto heel = static_cast<std::int64_t>(onder);
    if (rest > 0.5) return heel + 1;
    if (rest < 0.5) return heel;
    return heel % 2 == 0 ? heel : heel + 1;
}

// Limits a result to a byte before it is stored.
inline std::uint8_t Klem(std::int64_t v)
{
    return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

constexpr int GrijsTabelLengte = 766;   // blue + green + red: 0..765

constexpr std::array<int, GrijsTabelLengte> MaakGrijsTabel()
{
    std::array<int, GrijsTabelLengte> tabel{};
    for (int i = 0; i < GrijsTabelLengte; ++i) tabel[i] = i / 3;
    return tabel;
}

// Entry i = i \ 3: the grey value of a pixel is GrijsTabel[blue + green + red].
inline constexpr std::array<int, GrijsTabelLengte> GrijsTabel = MaakGrijsTabel();

inline int GrijsWaarde(Kleur k)
{
    return GrijsTabel[k.B + k.G + k.R];
}

// (p + 100) / 100 held in single precision: the scale factor of Light/Dark
// and Contrast (1.04 for p = 4).
inline float ProcentFactor(std::int32_t p)
{
    return static_cast<float>((std::int64_t{p} + 100) / 100.0);
}

}  // namespace imaging
