#pragma once

#include "platform/surface.h"

#include <QFont>
#include <QPainter>

namespace platform {

// The drawing shared by the image and the printer: a QPainter on a device
// whose resolution turns twips into device pixels.
class PainterSurface : public Surface {
public:
    void setUnit(Unit unit) override;
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setBold(bool on) override;
    void setItalic(bool on) override;
    void setUnderline(bool on) override;
    void setForeColor(const QColor& colour) override { foreColor_ = colour; }
    void setCurrent(double x, double y) override;
    void print(const QString& text) override;
    void setDrawWidth(int pixels) override { drawWidth_ = std::max(1, pixels); }
    void setDrawMode(DrawMode mode) override { drawMode_ = mode; }
    void setFillColor(const QColor& colour) override { fillColor_ = colour; }
    void setFillStyle(int style) override { fillStyle_ = style; }
    void line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void box(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void filledBox(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void circle(double x, double y, double radius, const QColor& colour, double aspect = 1) override;
    void point(double x, double y, const QColor& colour) override;
    void paintPicture(const QImage& picture, double x, double y, double width, double height) override;

    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }

protected:
    // The painter, begun on the device; throws SurfaceFout when it cannot be.
    virtual QPainter& painter() = 0;
    virtual double devicePixelsPerInch() const = 0;

    double toDevice(double v) const;
    QPointF toDevice(double x, double y) const;
    QBrush fillBrush() const;
    int fillStyle() const { return fillStyle_; }
    QPen pen(const QColor& colour);
    void prepare(QPainter& p) const;

private:
    Unit unit_ = Unit::Twips;
    QFont font_{QStringLiteral("Arial"), 8};
    QColor foreColor_ = Qt::black;
    QColor fillColor_ = Qt::black;
    int fillStyle_ = 1;
    int drawWidth_ = 1;
    DrawMode drawMode_ = DrawMode::Copy;
    double currentX_ = 0;
    double currentY_ = 0;
};

// Qt's brush for a fill style 0-7.
Qt::BrushStyle VulStijlPenseel(int style);

}  // namespace platform
