#include "imaging/canvas_paint.h"

#include "imaging/logo_canvas.h"

#include <algorithm>
#include <cstdlib>

namespace imaging {

namespace {

// Sets every pixel of the rectangle x1..x2, y1..y2 (inclusive).
void VulBlok(Pixels& beeld, int x1, int y1, int x2, int y2, Kleur kleur)
{
    const int xVan = std::max(x1, 0), xTot = std::min(x2, beeld.Width() - 1);
    const int yVan = std::max(y1, 0), yTot = std::min(y2, beeld.Height() - 1);
    for (int y = yVan; y <= yTot; ++y)
        for (int x = xVan; x <= xTot; ++x) beeld.ZetKleur(x, y, kleur);
}

}  // namespace

void SepiaKleuren(Pixels& beeld)
{
    for (int x = 0; x < LogoBreedte; ++x)
        for (int y = 0; y < LogoHoogte; ++y) {
            if (!beeld.Bevat(x, y)) continue;
            const Kleur k = beeld.KleurOp(x, y);
            const int r = k.R;
            int g = std::abs(k.G - 40);
            if (g > r) g = 0;
            int b = std::abs(k.B - 80);
            if (b > g) b = 0;
            beeld.ZetKleur(x, y, {k.R, static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)});
        }
}

void TransparantRaster(Pixels& beeld, Kleur vulKleur)
{
    for (int x = 0; x < LogoBreedte; x += 2)
        for (int y = 0; y < LogoHoogte; y += 2) {
            ZetPixel(beeld, x, y, vulKleur);
            ZetPixel(beeld, x + 1, y + 1, vulKleur);
        }
}

void RechthoekOmtrek(Pixels& beeld, int x1, int y1, int x2, int y2, Kleur kleur, int tekenBreedte)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const int breedte = std::max(tekenBreedte, 1);
    const int voor = breedte / 2;         // pixels before the line (left, above)
    const int na = (breedte - 1) / 2;     // pixels after it (right, below)
    VulBlok(beeld, x1 - voor, y1 - voor, x2 + na, y1 + na, kleur);  // top
    VulBlok(beeld, x1 - voor, y2 - voor, x2 + na, y2 + na, kleur);  // bottom
    VulBlok(beeld, x1 - voor, y1 - voor, x1 + na, y2 + na, kleur);  // left
    VulBlok(beeld, x2 - voor, y1 - voor, x2 + na, y2 + na, kleur);  // right
}

void Kader(Pixels& beeld, int n, Kleur tekenKleur, int tekenBreedte)
{
    for (int i = 0; i < n; ++i)
        RechthoekOmtrek(beeld, i, i, LogoBreedte - 1 - i, LogoHoogte - 1 - i, tekenKleur, tekenBreedte);
}

}  // namespace imaging
