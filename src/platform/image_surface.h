#pragma once

#include "platform/painter_surface.h"

namespace platform {

// The persistent image of a picture box: everything drawn stays in it.
// Pixels are 96 per inch, so 15 twips make one pixel.
class ImageSurface : public PainterSurface {
public:
    ImageSurface(int width, int height, const QColor& background = Qt::white);

    // The image as drawn so far; the surface stays usable afterwards.
    const QImage& image();
    void setImage(const QImage& picture);  // scaled to the surface's size

    QColor pixel(int x, int y);
    void setPixel(int x, int y, const QColor& colour);  // outside the image: ignored
    // Replaces the connected area of exactly the colour found at (x, y) by the fill.
    void floodFill(int x, int y);
    void mirror(bool leftRight);
    void endDoc() override {}

protected:
    QPainter& painter() override;
    double devicePixelsPerInch() const override { return 96; }

private:
    void endPainting();

    QImage image_;
    QPainter painter_;
};

}  // namespace platform
