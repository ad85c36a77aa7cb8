#include "platform/painter_surface.h"

#include <QFontMetricsF>

namespace platform {

Qt::BrushStyle VulStijlPenseel(int style)
{
    switch (style) {
    case 0: return Qt::SolidPattern;
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::BDiagPattern;
    case 5: return Qt::FDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

// The first thing a page does; a device that cannot be drawn on says so here.
void PainterSurface::setUnit(Unit unit)
{
    painter();
    unit_ = unit;
}

void PainterSurface::setFontName(const QString& name) { font_.setFamily(name); }
void PainterSurface::setFontSize(double points) { font_.setPointSizeF(points > 0 ? points : 1); }
void PainterSurface::setBold(bool on) { font_.setBold(on); }
void PainterSurface::setItalic(bool on) { font_.setItalic(on); }
void PainterSurface::setUnderline(bool on) { font_.setUnderline(on); }

void PainterSurface::setCurrent(double x, double y)
{
    currentX_ = x;
    currentY_ = y;
}

double PainterSurface::toDevice(double v) const
{
    return unit_ == Unit::Twips ? v * devicePixelsPerInch() / 1440.0 : v;
}

QPointF PainterSurface::toDevice(double x, double y) const
{
    return {toDevice(x), toDevice(y)};
}

void PainterSurface::prepare(QPainter& p) const
{
    p.setCompositionMode(drawMode_ == DrawMode::Invert ? QPainter::RasterOp_NotDestination
                                                       : QPainter::CompositionMode_SourceOver);
}

QPen PainterSurface::pen(const QColor& colour)
{
    QPen pen(colour, drawWidth_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QBrush PainterSurface::fillBrush() const
{
    return QBrush(fillColor_, VulStijlPenseel(fillStyle_));
}

void PainterSurface::print(const QString& text)
{
    QPainter& p = painter();
    prepare(p);
    p.setFont(font_);
    p.setPen(foreColor_);
    const QFontMetricsF metrics(font_, p.device());
    const QPointF at = toDevice(currentX_, currentY_);
    p.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    currentX_ = 0;
    currentY_ += unit_ == Unit::Twips ? metrics.height() * 1440.0 / devicePixelsPerInch() : metrics.height();
}

void PainterSurface::line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    QPainter& p = painter();
    prepare(p);
    p.setPen(pen(colour));
    p.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PainterSurface::box(double x1, double y1, double x2, double y2, const QColor& colour)
{
    QPainter& p = painter();
    prepare(p);
    p.setPen(pen(colour));
    p.setBrush(fillBrush());
    p.drawRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
}

void PainterSurface::filledBox(double x1, double y1, double x2, double y2, const QColor& colour)
{
    QPainter& p = painter();
    prepare(p);
    const QRectF rect = QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized();
    // The corners are inclusive: a box from 10 to 10 still covers one pixel.
    p.fillRect(rect.adjusted(0, 0, 1, 1), colour);
}

void PainterSurface::circle(double x, double y, double radius, const QColor& colour, double aspect)
{
    QPainter& p = painter();
    prepare(p);
    p.setPen(pen(colour));
    p.setBrush(fillBrush());
    double rx = radius;
    double ry = radius;
    if (aspect > 1)
        rx = radius / aspect;
    else
        ry = radius * aspect;
    p.drawEllipse(toDevice(x, y), toDevice(rx), toDevice(ry));
}

void PainterSurface::point(double x, double y, const QColor& colour)
{
    QPainter& p = painter();
    prepare(p);
    p.setPen(pen(colour));
    p.drawPoint(toDevice(x, y));
}

void PainterSurface::paintPicture(const QImage& picture, double x, double y, double width, double height)
{
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRectF(toDevice(x, y), QSizeF(toDevice(width), toDevice(height))), picture);
    prepare(p);
}

}  // namespace platform
