#include "imaging/mirrors.h"

#include "imaging/logo_canvas.h"

#include <algorithm>

namespace imaging {

namespace {

void WisselPixels(std::uint8_t* a, std::uint8_t* b)
{
    std::swap_ranges(a, a + Pixels::BytesPerPixel, b);
}

// Copies the colour of (x, y) to (naarX, naarY) where both lie in the image.
void KopieerPixel(Pixels& beeld, int x, int y, int naarX, int naarY)
{
    if (beeld.Bevat(x, y)) ZetPixel(beeld, naarX, naarY, beeld.KleurOp(x, y));
}

}  // namespace

void SpiegelHorizontaal(Pixels& beeld)
{
    const int w = beeld.Width();
    for (int y = 0; y < beeld.Height(); ++y)
        for (int x = 0; x < w / 2; ++x) WisselPixels(beeld.Pixel(x, y), beeld.Pixel(w - 1 - x, y));
}

void SpiegelVertikaal(Pixels& beeld)
{
    const int h = beeld.Height();
    for (int y = 0; y < h / 2; ++y)
        std::swap_ranges(beeld.Pixel(0, y), beeld.Pixel(0, y) + beeld.BytesPerLine(), beeld.Pixel(0, h - 1 - y));
}

void SpiegelRechts(Pixels& beeld)
{
    for (int x = 0; x <= 312; ++x)
        for (int y = 0; y < LogoHoogte; ++y) KopieerPixel(beeld, x, y, LogoBreedte - x, y);
}

void SpiegelBoven(Pixels& beeld)
{
    for (int x = 0; x < LogoBreedte; ++x)
        for (int y = 0; y <= 62; ++y) KopieerPixel(beeld, x, y, x, LogoHoogte - y);
}

}  // namespace imaging
