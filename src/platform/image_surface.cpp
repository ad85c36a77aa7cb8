#include "platform/image_surface.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform {
namespace {

struct Run {
    int y, left, right;
};

// The horizontal runs of the area of exactly the colour at (x, y) connected
// to it through its four neighbours, each pixel in one run. Row pointers and
// one seed per stretch keep a whole-canvas comb well under a millisecond.
std::vector<Run> ConnectedArea(const QImage& image, int x, int y)
{
    const int w = image.width();
    const int h = image.height();
    const QRgb target = image.pixel(x, y);
    const auto row = [&](int r) { return reinterpret_cast<const QRgb*>(image.constScanLine(r)); };
    std::vector<std::uint8_t> seen(static_cast<std::size_t>(w) * h, 0);
    const auto fresh = [&](int r, int i) { return row(r)[i] == target && !seen[static_cast<std::size_t>(r) * w + i]; };
    std::vector<Run> runs;
    std::vector<QPoint> todo{{x, y}};
    const auto seedStretches = [&](int r, int left, int right) {
        if (r < 0 || r >= h)
            return;
        for (int i = left; i <= right; ++i)
            if (fresh(r, i) && (i == left || !fresh(r, i - 1)))
                todo.push_back({i, r});
    };
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (!fresh(p.y(), p.x()))
            continue;
        const QRgb* pixels = row(p.y());
        int left = p.x();
        while (left > 0 && pixels[left - 1] == target)
            --left;
        int right = p.x();
        while (right + 1 < w && pixels[right + 1] == target)
            ++right;
        std::fill_n(seen.begin() + static_cast<std::ptrdiff_t>(p.y()) * w + left, right - left + 1, 1);
        runs.push_back({p.y(), left, right});
        seedStretches(p.y() - 1, left, right);
        seedStretches(p.y() + 1, left, right);
    }
    return runs;
}

}  // namespace

ImageSurface::ImageSurface(int width, int height, const QColor& background)
    : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32)
{
    image_.fill(background);
}

QPainter& ImageSurface::painter()
{
    if (!painter_.isActive())
        painter_.begin(&image_);
    return painter_;
}

void ImageSurface::endPainting()
{
    if (painter_.isActive())
        painter_.end();
}

const QImage& ImageSurface::image()
{
    endPainting();
    return image_;
}

void ImageSurface::setImage(const QImage& picture)
{
    endPainting();
    const QSize size = image_.size();
    image_ = picture.convertToFormat(QImage::Format_RGB32);
    if (image_.size() != size)
        image_ = image_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QColor ImageSurface::pixel(int x, int y)
{
    endPainting();
    return image_.valid(x, y) ? QColor(image_.pixel(x, y)) : QColor();
}

void ImageSurface::setPixel(int x, int y, const QColor& colour)
{
    endPainting();
    if (image_.valid(x, y))
        image_.setPixel(x, y, colour.rgb());
}

void ImageSurface::floodFill(int x, int y)
{
    endPainting();
    if (!image_.valid(x, y) || fillStyle() == 1)
        return;
    const std::vector<Run> area = ConnectedArea(image_, x, y);
    // The fill as it would cover the whole image: a pattern keeps the
    // pixels between its lines. The area then takes its pixels from it.
    QImage filled = image_.copy();
    {
        QPainter p(&filled);
        p.fillRect(filled.rect(), fillBrush());
    }
    for (const Run& run : area) {
        const auto* from = reinterpret_cast<const QRgb*>(filled.constScanLine(run.y));
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(run.y));
        std::copy(from + run.left, from + run.right + 1, to + run.left);
    }
}

void ImageSurface::mirror(bool leftRight)
{
    endPainting();
    image_ = image_.mirrored(leftRight, !leftRight);
}

}  // namespace platform
