#pragma once

#include "platform/surface.h"

#include <QStringList>

// Keeps every call with its arguments, so a test can read the page it drew
// without a printer. Positions stay in the surface's own unit.
class RecordingSurface : public platform::Surface {
public:
    QStringList calls;

    void setUnit(Unit unit) override { add(QStringLiteral("unit %1").arg(unit == Unit::Twips ? "twips" : "pixels")); }
    void setFontName(const QString& name) override { add("font " + name); }
    void setFontSize(double points) override { add(QStringLiteral("size %1").arg(points)); }
    void setBold(bool on) override { add(QStringLiteral("bold %1").arg(on)); }
    void setItalic(bool on) override { add(QStringLiteral("italic %1").arg(on)); }
    void setUnderline(bool on) override { add(QStringLiteral("underline %1").arg(on)); }
    void setForeColor(const QColor& c) override { add("color " + rgb(c)); }
    void setCurrent(double x, double y) override { add(QStringLiteral("at %1,%2").arg(x).arg(y)); }
    void print(const QString& text) override { add("print " + text); }
    void setDrawWidth(int pixels) override { add(QStringLiteral("width %1").arg(pixels)); }
    void setDrawMode(DrawMode mode) override { add(QStringLiteral("mode %1").arg(int(mode))); }
    void setFillColor(const QColor& c) override { add("fillcolor " + rgb(c)); }
    void setFillStyle(int style) override { add(QStringLiteral("fillstyle %1").arg(style)); }
    void line(double x1, double y1, double x2, double y2, const QColor& c) override
    {
        add(QStringLiteral("line %1,%2-%3,%4 ").arg(x1).arg(y1).arg(x2).arg(y2) + rgb(c));
    }
    void box(double x1, double y1, double x2, double y2, const QColor& c) override
    {
        add(QStringLiteral("box %1,%2-%3,%4 ").arg(x1).arg(y1).arg(x2).arg(y2) + rgb(c));
    }
    void filledBox(double x1, double y1, double x2, double y2, const QColor& c) override
    {
        add(QStringLiteral("filledbox %1,%2-%3,%4 ").arg(x1).arg(y1).arg(x2).arg(y2) + rgb(c));
    }
    void circle(double x, double y, double r, const QColor& c, double aspect) override
    {
        add(QStringLiteral("circle %1,%2 r%3 a%4 ").arg(x).arg(y).arg(r).arg(aspect) + rgb(c));
    }
    void point(double x, double y, const QColor& c) override { add(QStringLiteral("point %1,%2 ").arg(x).arg(y) + rgb(c)); }
    void paintPicture(const QImage& picture, double x, double y, double w, double h) override
    {
        add(QStringLiteral("picture %1x%2 at %3,%4 size %5x%6")
                .arg(picture.width()).arg(picture.height()).arg(x).arg(y).arg(w).arg(h));
    }
    void endDoc() override { add(QStringLiteral("enddoc")); }

private:
    void add(const QString& call) { calls << call; }
    static QString rgb(const QColor& c) { return QStringLiteral("(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue()); }
};
