#include "invoice/pagina_indeling.h"

#include <gtest/gtest.h>

namespace {

struct Verwacht {
    int kop;
    bool zichtbaar;
    int left, top;
};

void ControleerKoppen(const PaginaIndeling& p, std::initializer_list<Verwacht> verwacht)
{
    for (const auto& v : verwacht) {
        EXPECT_EQ(p.Kop[v.kop].zichtbaar, v.zichtbaar) << "Kop " << v.kop;
        if (v.zichtbaar) {
            EXPECT_EQ(p.Kop[v.kop].plaats, QPoint(v.left, v.top)) << "Kop " << v.kop;
        }
    }
}

Factuur Standaard()
{
    Factuur f;
    ZetStandaardwaarden(f);
    return f;
}

}  // namespace

TEST(ZetLayout, LayoutOneHasFiveColumnsAndOneTotalsRow)
{
    Factuur f = Standaard();
    const auto p = ZetLayout(f, 1, QStringLiteral("9"));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(f.KopTekst[4], QStringLiteral("Btw 9%"));
    EXPECT_EQ(f.KopTekst[7], QStringLiteral("Btw"));
    ControleerKoppen(*p, {{1, true, 8, 204}, {2, true, 54, 204}, {3, true, 276, 204}, {4, true, 315, 204},
                          {5, true, 360, 204}, {6, false, 0, 0}, {7, false, 0, 0}, {8, true, 230, 524},
                          {10, true, 268, 526}, {11, true, 310, 526}, {12, true, 356, 526}});
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(p->Kop[i].fontGrootte, 7);
        EXPECT_EQ(p->Kop[i].tekst, f.KopTekst[i]);
    }
    for (int i = 10; i <= 12; ++i)
        EXPECT_EQ(p->Kop[i].tekst, QStringLiteral("00000,00"));
    EXPECT_FALSE(p->Kop[8].tekst.has_value());  // keeps its own caption

    const QLine lijnen[] = {{6, 220, 394, 220}, {50, 220, 50, 560}, {265, 220, 265, 560}, {307, 220, 307, 560},
                            {350, 220, 350, 560}, {}, {6, 520, 394, 520}, {6, 540, 394, 540}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(p->Lijn[i].zichtbaar, i != 5) << i;
        if (i != 5) {
            EXPECT_EQ(p->Lijn[i].lijn, lijnen[i]) << i;
        }
    }
    EXPECT_EQ(p->prijsLinks, 270);
    EXPECT_TRUE(p->btwKolommen);
    EXPECT_EQ(AchtergrondHoogte(1), 296);
}

TEST(ZetLayout, LayoutTwoStacksTheTotalsAtTheRight)
{
    Factuur f = Standaard();
    const auto p = ZetLayout(f, 2, QStringLiteral("21"));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(f.KopTekst[7], QStringLiteral("Btw 21%"));
    EXPECT_EQ(f.KopTekst[4], QStringLiteral("Btw"));
    ControleerKoppen(*p, {{1, true, 8, 204}, {2, true, 54, 204}, {3, false, 0, 0}, {4, false, 0, 0},
                          {5, true, 360, 204}, {6, true, 310, 504}, {7, true, 300, 524}, {8, true, 315, 544},
                          {10, true, 356, 506}, {11, true, 356, 526}, {12, true, 356, 546}});
    EXPECT_EQ(p->Kop[1].fontGrootte, 8);
    EXPECT_EQ(p->Kop[7].tekst, QStringLiteral("Btw 21%"));
    EXPECT_EQ(p->Kop[10].fontGrootte, 7);
    const bool zichtbaar[] = {true, true, false, false, true, true, true, true};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(p->Lijn[i].zichtbaar, zichtbaar[i]) << i;
    EXPECT_EQ(p->Lijn[5].lijn, QLine(6, 500, 394, 500));
    EXPECT_EQ(p->Lijn[4].lijn, QLine(350, 220, 350, 560));
    EXPECT_EQ(p->prijsLinks, 358);
    EXPECT_FALSE(p->btwKolommen);
    EXPECT_EQ(AchtergrondHoogte(2), 276);
}

TEST(ZetLayout, AnUnknownLayoutChangesNothing)
{
    Factuur f = Standaard();
    const Factuur voor = f;
    EXPECT_FALSE(ZetLayout(f, 3, QStringLiteral("21")).has_value());
    EXPECT_FALSE(ZetLayout(f, 0, QStringLiteral("21")).has_value());
    EXPECT_EQ(f.KopTekst, voor.KopTekst);
}
