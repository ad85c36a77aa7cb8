// Tools 1 and 2: the freehand line and the straight line with its inverted
// rubber band.

#include "logo/gereedschap.h"
#include "logo/logo_canvas.h"

namespace {

using DrawMode = platform::Surface::DrawMode;

class VrijeLijn : public TekenGereedschap {
public:
    // Each move draws on from the last point, so the line follows the mouse.
    void LinksSleept(LogoCanvas& c, QPoint p) override
    {
        TekenStaat& s = c.Staat();
        c.Vlak().line(s.StartX, s.StartY, p.x(), p.y(), QColorVan(s.TekenKleur));
        s.StartX = p.x();
        s.StartY = p.y();
    }
};

class RechteLijn : public TekenGereedschap {
public:
    void LinksNeer(LogoCanvas& c, QPoint) override
    {
        TekenStaat& s = c.Staat();
        s.VorigeX = s.StartX;
        s.VorigeY = s.StartY;
        c.Vlak().setDrawMode(DrawMode::Invert);
    }

    // Inverting the same line twice gives back the pixels under it, so the
    // band can be drawn and taken away over any picture.
    void LinksSleept(LogoCanvas& c, QPoint p) override
    {
        const TekenStaat& s = c.Staat();
        KeerOm(c, s.VorigeX, s.VorigeY);
        KeerOm(c, p.x(), p.y());
    }

    void LinksOp(LogoCanvas& c, QPoint p) override
    {
        const TekenStaat& s = c.Staat();
        // The last band goes before the line is drawn, so a release away from
        // the last move point leaves no inverted line behind.
        c.Vlak().setDrawMode(DrawMode::Invert);
        KeerOm(c, s.VorigeX, s.VorigeY);
        c.Vlak().setDrawMode(DrawMode::Copy);
        c.Vlak().line(s.StartX, s.StartY, p.x(), p.y(), QColorVan(s.TekenKleur));
    }

private:
    static void KeerOm(LogoCanvas& c, int x, int y)
    {
        const TekenStaat& s = c.Staat();
        c.Vlak().line(s.StartX, s.StartY, x, y, Qt::black);
    }
};

}  // namespace

std::unique_ptr<TekenGereedschap> MaakVrijeLijn()
{
    return std::make_unique<VrijeLijn>();
}

std::unique_ptr<TekenGereedschap> MaakRechteLijn()
{
    return std::make_unique<RechteLijn>();
}
