// Tools 3 to 6 and 12: a rectangle dragged right and down from the start,
// shown by the rubber band Layer and drawn on release as a box, an ellipse
// inscribed in it, or the area a photo is stretched into.

#include "logo/gereedschap.h"
#include "logo/logo_canvas.h"

#include <algorithm>

namespace {

class SleepRechthoek : public TekenGereedschap {
public:
    void LinksNeer(LogoCanvas& c, QPoint p) override { c.ToonLayer(QRect(p, QSize(0, 0))); }

    // The band only grows to the right and downwards.
    void LinksSleept(LogoCanvas& c, QPoint p) override
    {
        const TekenStaat& s = c.Staat();
        const int x = std::max(p.x(), s.StartX);
        const int y = std::max(p.y(), s.StartY);
        c.ToonLayer(QRect(s.StartX, s.StartY, x - s.StartX + 1, y - s.StartY + 1));
    }

    // A release on or left of the start column, or on or above the start row,
    // draws nothing.
    void LinksOp(LogoCanvas& c, QPoint p) override
    {
        const TekenStaat& s = c.Staat();
        if (p.x() > s.StartX && p.y() > s.StartY)
            Teken(c, QPoint(s.StartX, s.StartY), p);
    }

protected:
    virtual void Teken(LogoCanvas& c, QPoint van, QPoint tot) = 0;

    // Closed figures take the fill colour and style only while they are
    // drawn; afterwards the canvas has no fill again.
    template <class Figuur>
    static void Vul(LogoCanvas& c, bool gevuld, Figuur teken)
    {
        if (gevuld) {
            c.Vlak().setFillColor(QColorVan(c.Staat().VulKleur));
            c.Vlak().setFillStyle(c.Staat().VulStijl);
        }
        teken();
        if (gevuld)
            c.Vlak().setFillStyle(1);
    }
};

class Rechthoek : public SleepRechthoek {
public:
    explicit Rechthoek(bool gevuld) : gevuld(gevuld) {}

protected:
    void Teken(LogoCanvas& c, QPoint van, QPoint tot) override
    {
        Vul(c, gevuld, [&] { c.Vlak().box(van.x(), van.y(), tot.x(), tot.y(), QColorVan(c.Staat().TekenKleur)); });
    }

private:
    bool gevuld;
};

class Ellips : public SleepRechthoek {
public:
    explicit Ellips(bool gevuld) : gevuld(gevuld) {}

protected:
    // Centre, radius and aspect as the canvas's circle takes them: the larger
    // semi-axis is the radius, the aspect is height over width.
    void Teken(LogoCanvas& c, QPoint van, QPoint tot) override
    {
        const double a = (tot.x() - van.x()) / 2.0;
        const double b = (tot.y() - van.y()) / 2.0;
        const double straal = a > b ? a : b;
        const double aspect = b / a;
        Vul(c, gevuld, [&] {
            c.Vlak().circle(van.x() + a, van.y() + b, straal, QColorVan(c.Staat().TekenKleur), aspect);
        });
    }

private:
    bool gevuld;
};

class FotoVlak : public SleepRechthoek {
protected:
    void Teken(LogoCanvas& c, QPoint van, QPoint tot) override { c.VraagFoto(van, tot); }
};

}  // namespace

std::unique_ptr<TekenGereedschap> MaakRechthoek(bool gevuld)
{
    return std::make_unique<Rechthoek>(gevuld);
}

std::unique_ptr<TekenGereedschap> MaakEllips(bool gevuld)
{
    return std::make_unique<Ellips>(gevuld);
}

std::unique_ptr<TekenGereedschap> MaakFotoVlak()
{
    return std::make_unique<FotoVlak>();
}
