#pragma once

// Small helpers shared by the imaging tests.

#include "imaging/filter_engine.h"
#include "imaging/pixels.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <stdexcept>
#include <vector>

namespace imaging::testhulp {

inline Pixels Effen(int w, int h, Kleur k)
{
    Pixels p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.ZetKleur(x, y, k);
    return p;
}

inline Kleur Grijs(std::uint8_t v)
{
    return {v, v, v};
}

// Every byte random, the reserved one included: filters must keep it.
inline Pixels Willekeurig(int w, int h, unsigned seed)
{
    std::mt19937 gen(seed);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(w) * h * 4);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(gen() & 0xFF);
    return Pixels(w, h, bytes.data());
}

// Hands out the given numbers in order, then repeats the last one.
inline Toeval Script(std::initializer_list<double> getallen)
{
    return [reeks = std::vector<double>(getallen), i = std::size_t{0}]() mutable {
        if (reeks.empty()) throw std::logic_error("empty script");
        const double r = reeks[std::min(i, reeks.size() - 1)];
        ++i;
        return r;
    };
}

inline Pixels Gefilterd(int filterNr, Pixels beeld, std::int32_t param, Toeval toeval = StandaardToeval())
{
    Filters filters({}, std::move(toeval));
    filters.FilterToepassen(filterNr, beeld, param);
    return beeld;
}

}  // namespace imaging::testhulp
