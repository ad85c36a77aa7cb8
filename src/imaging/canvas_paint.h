#pragma once

// Canvas operations of the Filters and Kader menus that paint pixel by pixel
// on the 625 x 125 logo canvas (pixels outside the image are left alone).

#include "imaging/pixels.h"

namespace imaging {

// The sepia tint, run after Grayscale: (v, v - 40, v - 80) for a grey v >= 80,
// dark greys lose their green and blue.
void SepiaKleuren(Pixels& beeld);

// Every pixel with x + y even takes the fill colour: a checkerboard whose
// top-left pixel is the fill colour.
void TransparantRaster(Pixels& beeld, Kleur vulKleur);

// A box outline from (x1, y1) to (x2, y2), corners included, no fill. A pen of
// width > 1 is centred on the outline the way an aliased Qt pen is: the
// spare pixel of an odd width falls right of and below the line.
void RechthoekOmtrek(Pixels& beeld, int x1, int y1, int x2, int y2, Kleur kleur, int tekenBreedte);

// The frame of Kader(n): n nested box outlines along the canvas edge, drawn
// over what is there, with the canvas's draw width (1 after any finished
// mouse action).
void Kader(Pixels& beeld, int n, Kleur tekenKleur, int tekenBreedte = 1);

}  // namespace imaging
