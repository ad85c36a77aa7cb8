#include "platform/image_surface.h"

#include <QPainterPath>

#include <vector>

namespace platform {

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
    const QRgb target = image_.pixel(x, y);
    QImage area(image_.size(), QImage::Format_Mono);
    area.fill(0);
    std::vector<QPoint> todo{{x, y}};
    QPainterPath path;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (!image_.valid(p) || area.pixelIndex(p) || image_.pixel(p) != target)
            continue;
        // One horizontal run at a time keeps the stack small.
        int left = p.x();
        while (left > 0 && image_.pixel(left - 1, p.y()) == target)
            --left;
        int right = p.x();
        while (right + 1 < image_.width() && image_.pixel(right + 1, p.y()) == target)
            ++right;
        for (int i = left; i <= right; ++i) {
            area.setPixel(i, p.y(), 1);
            todo.push_back({i, p.y() - 1});
            todo.push_back({i, p.y() + 1});
        }
        path.addRect(left, p.y(), right - left + 1, 1);
    }
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillPath(path, fillBrush());
    endPainting();
}

void ImageSurface::mirror(bool leftRight)
{
    endPainting();
    image_ = image_.mirrored(leftRight, !leftRight);
}

}  // namespace platform
