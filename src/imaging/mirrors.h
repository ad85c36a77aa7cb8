#pragma once

// The four "Flip" items of the Filters menu.

#include "imaging/pixels.h"

namespace imaging {

// The whole image mirrored left-right; applied twice it gives the original.
void SpiegelHorizontaal(Pixels& beeld);
// The whole image mirrored top-bottom; applied twice it gives the original.
void SpiegelVertikaal(Pixels& beeld);

// On the 625 x 125 canvas, column x (0..312) is copied to column 625 - x:
// the right half becomes the left half mirrored one column outward, column 0
// falls outside and is dropped, columns 0..312 keep their content.
void SpiegelRechts(Pixels& beeld);
// The same for rows: row y (0..62) is copied to row 125 - y.
void SpiegelBoven(Pixels& beeld);

}  // namespace imaging
