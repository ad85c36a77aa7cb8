#pragma once

// The fixed bounds of the logo canvas, which the pixel-by-pixel canvas
// operations use instead of the image's own size.

#include "imaging/pixels.h"

namespace imaging {

constexpr int LogoBreedte = 625;
constexpr int LogoHoogte = 125;

// Sets a pixel the way the canvas does: a pixel outside the image is ignored.
inline void ZetPixel(Pixels& beeld, int x, int y, Kleur k)
{
    if (beeld.Bevat(x, y)) beeld.ZetKleur(x, y, k);
}

}  // namespace imaging
