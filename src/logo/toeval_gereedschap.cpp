// Tools 8 and 11: the spray and the coloured circles, which draw where
// chance puts them.

#include "logo/gereedschap.h"
#include "logo/logo_canvas.h"

#include <chrono>
#include <random>

namespace {

// A generator reseeded from the clock for every move of the mouse.
class KlokToeval {
public:
    KlokToeval() : generator(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())) {}
    // A whole number from 1 to n, as Int(Rnd * n + 1).
    int Tot(int n) { return std::uniform_int_distribution<int>(1, n)(generator); }

private:
    std::mt19937 generator;
};

// One dot of one pixel per move; the same offset for x and y puts it on the
// diagonal from nine pixels above-left of the pointer to the pointer.
class Spray : public TekenGereedschap {
public:
    void LinksSleept(LogoCanvas& c, QPoint p) override
    {
        c.ZetTekenBreedte(1);
        const int r = KlokToeval().Tot(10);
        c.Vlak().point(p.x() - 10 + r, p.y() - 10 + r, QColorVan(c.Staat().TekenKleur));
        c.ZetTekenBreedte(2);
    }
};

class KleurCirkels : public TekenGereedschap {
public:
    void LinksSleept(LogoCanvas& c, QPoint p) override
    {
        KlokToeval toeval;
        const int rood = toeval.Tot(255);
        const int groen = toeval.Tot(255);
        const int blauw = toeval.Tot(255);
        c.Vlak().circle(p.x(), p.y(), c.Staat().CirkelStraal, QColor(rood, groen, blauw));
    }
};

}  // namespace

std::unique_ptr<TekenGereedschap> MaakSpray()
{
    return std::make_unique<Spray>();
}

std::unique_ptr<TekenGereedschap> MaakKleurCirkels()
{
    return std::make_unique<KleurCirkels>();
}
