#pragma once

// The numbered filters, each on the working image of a running FilterToepassen.
// Internal to the imaging library: callers go through Filters::FilterToepassen.

#include "imaging/filter_work.h"

#include <cstdint>

namespace imaging::catalogus {

void Sharpen(FilterWerk& w, std::int32_t p);
void Negative(FilterWerk& w);
void Blur(FilterWerk& w);
void Defuse(FilterWerk& w, std::int32_t p);
void Edge(FilterWerk& w, std::int32_t p);
void Contour(FilterWerk& w, std::int32_t kleur);
void Grayscale(FilterWerk& w);
void Relief(FilterWerk& w);
void LightDark(FilterWerk& w, std::int32_t p);
void Pixelize(FilterWerk& w, std::int32_t n);
void SwapColors(FilterWerk& w, std::int32_t m);
void Contrast(FilterWerk& w, std::int32_t p);
void Scattered(FilterWerk& w, std::int32_t p);
void Aquarel(FilterWerk& w);
void AddNoise(FilterWerk& w, std::int32_t p);

}  // namespace imaging::catalogus
