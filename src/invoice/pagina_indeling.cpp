#include "invoice/pagina_indeling.h"

#include "invoice/algemeen.h"

namespace {

constexpr int kLijnBoven = 220;
constexpr int kLijnOnder = 560;

KopPlaats Kop(int left, int top, double grootte, std::optional<QString> tekst = std::nullopt)
{
    return {true, QPoint(left, top), grootte, std::move(tekst)};
}

LijnPlaats Horizontaal(int y)
{
    return {true, QLine(6, y, 394, y)};
}

LijnPlaats Verticaal(int x)
{
    return {true, QLine(x, kLijnBoven, x, kLijnOnder)};
}

void ZetTotalen(PaginaIndeling& p, QPoint ex, QPoint btw, QPoint incl)
{
    const QString leeg = QString::fromLatin1(kLegeTotalen);
    p.Kop[10] = Kop(ex.x(), ex.y(), 7, leeg);
    p.Kop[11] = Kop(btw.x(), btw.y(), 7, leeg);
    p.Kop[12] = Kop(incl.x(), incl.y(), 7, leeg);
}

PaginaIndeling Layout1(Factuur& f, const QString& btwPercentage)
{
    f.KopTekst[4] = BtwKop(btwPercentage);
    PaginaIndeling p;
    const int links[] = {0, 8, 54, 276, 315, 360};
    for (int i = 1; i <= 5; ++i)
        p.Kop[i] = Kop(links[i], 204, 7, f.KopTekst[i]);
    p.Kop[8] = Kop(230, 524, 0);
    ZetTotalen(p, {268, 526}, {310, 526}, {356, 526});
    p.Lijn = {Horizontaal(220), Verticaal(50), Verticaal(265), Verticaal(307), Verticaal(350),
              LijnPlaats{}, Horizontaal(520), Horizontaal(540)};
    p.prijsLinks = 270;
    p.btwKolommen = true;
    return p;
}

PaginaIndeling Layout2(Factuur& f, const QString& btwPercentage)
{
    f.KopTekst[7] = BtwKop(btwPercentage);
    PaginaIndeling p;
    p.Kop[1] = Kop(8, 204, 8, f.KopTekst[1]);
    p.Kop[2] = Kop(54, 204, 8, f.KopTekst[2]);
    p.Kop[5] = Kop(360, 204, 8, f.KopTekst[5]);
    // Hidden headings still take the new size and caption, as the labels do.
    p.Kop[3] = {false, QPoint(276, 204), 8, f.KopTekst[3]};
    p.Kop[4] = {false, QPoint(315, 204), 8, f.KopTekst[4]};
    p.Kop[6] = Kop(310, 504, 0);
    p.Kop[7] = Kop(300, 524, 0, f.KopTekst[7]);
    p.Kop[8] = Kop(315, 544, 0);
    ZetTotalen(p, {356, 506}, {356, 526}, {356, 546});
    p.Lijn = {Horizontaal(220), Verticaal(50), LijnPlaats{}, LijnPlaats{}, Verticaal(350),
              Horizontaal(500), Horizontaal(520), Horizontaal(540)};
    p.prijsLinks = 358;
    p.btwKolommen = false;
    return p;
}

}  // namespace

std::optional<PaginaIndeling> ZetLayout(Factuur& f, int layout, const QString& btwPercentage)
{
    if (layout == 1)
        return Layout1(f, btwPercentage);
    if (layout == 2)
        return Layout2(f, btwPercentage);
    return std::nullopt;
}

int AchtergrondHoogte(int layout)
{
    return layout == 1 ? 296 : 276;
}
