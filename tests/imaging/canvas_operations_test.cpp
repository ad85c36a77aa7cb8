#include "imaging/canvas_paint.h"
#include "imaging/filter_engine.h"
#include "imaging/mirrors.h"
#include "imaging_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace imaging {
namespace {

using testhulp::Effen;
using testhulp::Grijs;
using testhulp::Willekeurig;

const Kleur Wit = Grijs(255);
const Kleur Zwart = Grijs(0);

Pixels VerticaleLijn(int x)
{
    Pixels beeld = Effen(625, 125, Wit);
    for (int y = 0; y < 125; ++y) beeld.ZetKleur(x, y, Zwart);
    return beeld;
}

// Every pixel of `na` holds the colour `voor` had at bron(x, y).
template <class Bron>
void ExpectElkePixelVan(const Pixels& na, const Pixels& voor, Bron bron)
{
    for (int y = 0; y < na.Height(); ++y)
        for (int x = 0; x < na.Width(); ++x) {
            const auto [bronX, bronY] = bron(x, y);
            ASSERT_EQ(na.KleurOp(x, y), voor.KleurOp(bronX, bronY)) << x << "," << y;
        }
}

TEST(Mirrors, WholeImageFlipsAreTrueMirrorsAndUndoThemselves)
{
    const Pixels beeld = Willekeurig(625, 125, 21);
    Pixels h = beeld;
    SpiegelHorizontaal(h);
    Pixels v = beeld;
    SpiegelVertikaal(v);
    ExpectElkePixelVan(h, beeld, [](int x, int y) { return std::pair{624 - x, y}; });
    ExpectElkePixelVan(v, beeld, [](int x, int y) { return std::pair{x, 124 - y}; });
    SpiegelHorizontaal(h);
    SpiegelVertikaal(v);
    EXPECT_EQ(h, beeld);
    EXPECT_EQ(v, beeld);
}

TEST(Mirrors, FlipRechtsCopiesColumnXToColumn625MinusX)
{
    struct {
        int lijn;
        int gespiegeld;  // -1: the mirror falls outside the canvas
    } gevallen[] = {{0, -1}, {1, 624}, {312, 313}, {200, 425}};
    for (const auto& g : gevallen) {
        Pixels beeld = VerticaleLijn(g.lijn);
        SpiegelRechts(beeld);
        for (int x = 0; x < 625; ++x) {
            const bool zwart = x == g.lijn || x == g.gespiegeld;
            ASSERT_EQ(beeld.KleurOp(x, 60), zwart ? Zwart : Wit) << "line " << g.lijn << " column " << x;
        }
    }
    // The left half keeps its content, the right half is overwritten.
    const Pixels voor = Willekeurig(625, 125, 22);
    Pixels na = voor;
    SpiegelRechts(na);
    ExpectElkePixelVan(na, voor, [](int x, int y) { return std::pair{x <= 312 ? x : 625 - x, y}; });
}

TEST(Mirrors, FlipBovenMirrorsRowsDownwardAndIsIdempotent)
{
    const Pixels voor = Willekeurig(625, 125, 23);
    Pixels een = voor;
    SpiegelBoven(een);
    ExpectElkePixelVan(een, voor, [](int x, int y) { return std::pair{x, y <= 62 ? y : 125 - y}; });
    Pixels twee = een;
    SpiegelBoven(twee);
    EXPECT_EQ(twee, een);
}

TEST(Mirrors, HalfMirrorsOnASmallerImageIgnorePixelsOutsideIt)
{
    Pixels klein = Willekeurig(400, 70, 24);
    const Pixels voor = klein;
    SpiegelRechts(klein);
    EXPECT_EQ(klein.KleurOp(399, 3), voor.KleurOp(226, 3));
    SpiegelBoven(klein);
    EXPECT_EQ(klein.KleurOp(10, 69), klein.KleurOp(10, 56));
}

TEST(Sepia, TintsGreysAndDarkGreysLoseGreenAndBlue)
{
    struct {
        std::uint8_t grijs;
        Kleur na;
    } gevallen[] = {
        {255, {255, 215, 175}}, {0, {0, 0, 0}}, {100, {100, 60, 20}}, {80, {80, 40, 0}},
        {50, {50, 10, 0}},      {20, {20, 20, 0}}, {19, {19, 0, 0}},
    };
    for (const auto& g : gevallen) {
        Pixels beeld = Effen(625, 125, Grijs(g.grijs));
        SepiaKleuren(beeld);
        EXPECT_EQ(beeld.KleurOp(0, 0), g.na) << int(g.grijs);
        EXPECT_EQ(beeld.KleurOp(624, 124), g.na) << int(g.grijs);
    }
    // The menu item: Grayscale first, then the tint.
    Pixels wit = Effen(625, 125, {250, 255, 254});
    Filters filters;
    filters.FilterToepassen(Grayscale, wit, 0);
    SepiaKleuren(wit);
    EXPECT_EQ(wit.KleurOp(300, 60), (Kleur{253, 213, 173}));
}

TEST(TransparantRaster, FillsEveryPixelWithEvenXPlusY)
{
    Pixels beeld = Effen(625, 125, Zwart);
    TransparantRaster(beeld, Wit);
    EXPECT_EQ(beeld.KleurOp(0, 0), Wit);
    for (int y = 0; y < 125; ++y)
        for (int x = 0; x < 625; ++x) ASSERT_EQ(beeld.KleurOp(x, y), (x + y) % 2 == 0 ? Wit : Zwart) << x << "," << y;
}

TEST(Kader, FramesAreNestedOutlinesOverTheExistingImage)
{
    const Kleur rood{255, 0, 0};
    for (int n : {1, 5}) {
        const Pixels voor = Willekeurig(625, 125, 25);
        Pixels beeld = voor;
        Kader(beeld, n, rood);
        for (int y = 0; y < 125; ++y)
            for (int x = 0; x < 625; ++x) {
                const bool inKader = std::min({x, y, 624 - x, 124 - y}) < n;
                ASSERT_EQ(beeld.KleurOp(x, y), inKader ? rood : voor.KleurOp(x, y)) << n << ": " << x << "," << y;
            }
    }
}

TEST(Kader, WiderPenIsCentredOnTheOutlineAndClipped)
{
    struct {
        int breedte;
        int vanaf, tot;  // columns painted around the left edge x = 3 of box 3..12
    } gevallen[] = {{1, 3, 3}, {2, 2, 3}, {3, 2, 4}, {4, 1, 4}};
    for (const auto& g : gevallen) {
        Pixels beeld = Effen(16, 16, Zwart);
        RechthoekOmtrek(beeld, 3, 3, 12, 12, Wit, g.breedte);
        // Both vertical edges use the same pen, so the right band (around
        // x = 12) lies the same way round; between them nothing is filled.
        for (int x = 0; x < 16; ++x) {
            const bool links = x >= g.vanaf && x <= g.tot;
            const bool rechts = x >= g.vanaf + 9 && x <= g.tot + 9;
            EXPECT_EQ(beeld.KleurOp(x, 7), links || rechts ? Wit : Zwart) << g.breedte << " x " << x;
        }
    }
    // A pen wider than the image paints what lies inside it and nothing else.
    Pixels klein = Effen(4, 4, Zwart);
    RechthoekOmtrek(klein, 0, 0, 3, 3, Wit, 40);
    EXPECT_EQ(klein, Effen(4, 4, Wit));
}

}  // namespace
}  // namespace imaging
