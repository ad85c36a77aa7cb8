#pragma once

// The canvas image and the imaging library's pixel buffer share one memory
// layout (32-bit rows of blue, green, red, reserved from the top), so each
// way is one copy per row.

#include "imaging/pixels.h"

#include <QImage>

imaging::Pixels NaarPixels(const QImage& beeld);
QImage NaarBeeld(const imaging::Pixels& pixels);
