#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <stdexcept>

namespace platform {

// A surface operation that cannot be carried out (no printer, say).
class SurfaceFout : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The drawing surface the windows and the output draw on: a picture box's
// image or the printer. Coordinates are in the chosen unit from the top-left,
// y downward; fonts, colours and styles stay in force until changed.
class Surface {
public:
    enum class Unit { Twips, Pixels };
    enum class DrawMode { Copy = 13, Invert = 6 };

    virtual ~Surface() = default;

    virtual void setUnit(Unit unit) = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setItalic(bool on) = 0;
    virtual void setUnderline(bool on) = 0;
    virtual void setForeColor(const QColor& colour) = 0;
    virtual void setCurrent(double x, double y) = 0;
    // The top-left corner of the first character cell at the current
    // position, on a transparent background; then the next line begins.
    virtual void print(const QString& text) = 0;

    virtual void setDrawWidth(int pixels) = 0;
    virtual void setDrawMode(DrawMode mode) = 0;
    virtual void setFillColor(const QColor& colour) = 0;
    // 0 solid, 1 transparent, 2-7 line patterns; used by box and circle.
    virtual void setFillStyle(int style) = 0;
    virtual void line(double x1, double y1, double x2, double y2, const QColor& colour) = 0;
    virtual void box(double x1, double y1, double x2, double y2, const QColor& colour) = 0;
    virtual void filledBox(double x1, double y1, double x2, double y2, const QColor& colour) = 0;
    // Aspect above 1 makes the radius the vertical one.
    virtual void circle(double x, double y, double radius, const QColor& colour, double aspect = 1) = 0;
    virtual void point(double x, double y, const QColor& colour) = 0;
    // The whole picture stretched into the rectangle, copied opaquely.
    virtual void paintPicture(const QImage& picture, double x, double y, double width, double height) = 0;
    virtual void endDoc() = 0;
};

}  // namespace platform
