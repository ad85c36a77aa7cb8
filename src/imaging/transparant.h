#pragma once

// The watermark blend of the background designer.

#include "imaging/pixels.h"

namespace imaging {

// The picture laid over the blank paper at a strength of t percent: each
// channel (blank x (100 - t) + picture x t) / 100, rounded half to even.
// t is the transparency scroll bar's value, so it is held to 0..100.
//
// The result starts as a copy of the blank surface: the reserved bytes, and
// any part of it the picture does not reach, stay as the blank surface has them.
Pixels MaakTransparant(const Pixels& blanco, const Pixels& plaatje, int t);

}  // namespace imaging
