#pragma once

// The whole-number conventions every filter shares: rounding, clamping and
// the grey table.

#include "imaging/pixels.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace imaging {

// Nearest whole number, halves to the even neighbour: llrint rounds in the
// floating-point rounding mode, and nothing in the program changes it from
// the default (to nearest, ties to even). Branch-free, which matters for
// Defuse and Add noise, where the fractions are random.
inline std::int64_t RondAf(double x)
{
    return std::llrint(x);
}

// Limits a result to a byte before it is stored.
inline std::uint8_t Klem(std::int64_t v)
{
    return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

constexpr int GrijsTabelLengte = 766;  // blue + green + red: 0..765

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
