#include "logo/beeld_pixels.h"

#include <algorithm>

imaging::Pixels NaarPixels(const QImage& beeld)
{
    const QImage rgb = beeld.convertToFormat(QImage::Format_RGB32);
    imaging::Pixels pixels(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), pixels.BytesPerLine(), pixels.Pixel(0, y));
    return pixels;
}

QImage NaarBeeld(const imaging::Pixels& pixels)
{
    QImage beeld(pixels.Width(), pixels.Height(), QImage::Format_RGB32);
    for (int y = 0; y < pixels.Height(); ++y) {
        auto* rij = reinterpret_cast<QRgb*>(beeld.scanLine(y));
        std::copy_n(pixels.Pixel(0, y), pixels.BytesPerLine(), reinterpret_cast<std::uint8_t*>(rij));
        // This format wants the reserved byte at 0xFF.
        for (int x = 0; x < pixels.Width(); ++x)
            rij[x] |= 0xFF000000u;
    }
    return beeld;
}
