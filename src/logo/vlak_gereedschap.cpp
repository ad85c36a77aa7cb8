// Tools 7, 9 and 10: flood fill, eraser and colour picker, which work on the
// pixels at and around a single point.

#include "logo/gereedschap.h"
#include "logo/logo_canvas.h"

namespace {

class VlakVuller : public TekenGereedschap {
public:
    void LinksNeer(LogoCanvas& c, QPoint p) override
    {
        platform::ImageSurface& v = c.Vlak();
        v.setDrawMode(platform::Surface::DrawMode::Copy);
        v.setFillColor(QColorVan(c.Staat().VulKleur));
        v.setFillStyle(c.Staat().VulStijl);
        v.floodFill(p.x(), p.y());
        v.setFillStyle(1);
    }
};

// The erased square lies above and left of the pointer, inside the outline Gom.
class Gum : public TekenGereedschap {
public:
    void LinksNeer(LogoCanvas& c, QPoint p) override { Wis(c, p); }
    void LinksSleept(LogoCanvas& c, QPoint p) override { Wis(c, p); }

private:
    static void Wis(LogoCanvas& c, QPoint p)
    {
        const int rand = c.Staat().GumGrootte - 1;
        c.Vlak().setFillColor(Qt::white);
        c.Vlak().filledBox(p.x() - rand, p.y() - rand, p.x() - 1, p.y() - 1, Qt::white);
    }
};

// The left button takes the draw colour, the right one the fill colour.
class KleurPipet : public TekenGereedschap {
public:
    void LinksNeer(LogoCanvas& c, QPoint p) override { Neem(c, p, c.Staat().TekenKleur); }
    void RechtsNeer(LogoCanvas& c, QPoint p) override { Neem(c, p, c.Staat().VulKleur); }

private:
    static void Neem(LogoCanvas& c, QPoint p, imaging::Kleur& kleur)
    {
        const QColor gevonden = c.Vlak().pixel(p.x(), p.y());
        if (!gevonden.isValid())
            return;
        kleur = KleurVan(gevonden);
        c.MeldKleurGekozen();
    }
};

}  // namespace

std::unique_ptr<TekenGereedschap> MaakVlakVuller()
{
    return std::make_unique<VlakVuller>();
}

std::unique_ptr<TekenGereedschap> MaakGum()
{
    return std::make_unique<Gum>();
}

std::unique_ptr<TekenGereedschap> MaakKleurPipet()
{
    return std::make_unique<KleurPipet>();
}
