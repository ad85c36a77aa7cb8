#include "imaging/transparant.h"
#include "imaging_test_support.h"
#include "support/blend_reference.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace imaging {
namespace {

using testhulp::Effen;
using testhulp::Grijs;
using testhulp::Willekeurig;

TEST(MaakTransparant, ThirtyPercentOnWhiteIsSeventyPercentWhitePlusThirtyPercentPicture)
{
    // 0.7 x 255 + 0.3 x c, worked out by hand; .5 goes to the even neighbour.
    struct {
        std::uint8_t kanaal;
        std::uint8_t verwacht;
    } gevallen[] = {
        {0, 178},    // 178.5
        {1, 179},    // 178.8
        {5, 180},    // 180.0
        {100, 208},  // 208.5
        {101, 209},  // 208.8
        {200, 238},  // 238.5
        {255, 255},
    };
    for (const auto& g : gevallen) {
        const Pixels plaatje = Effen(3, 2, {g.kanaal, g.kanaal, g.kanaal});
        const Pixels doek = MaakTransparant(Effen(3, 2, Grijs(255)), plaatje, 30);
        const Kleur verwacht{g.verwacht, g.verwacht, g.verwacht};
        EXPECT_EQ(doek.KleurOp(0, 0), verwacht) << int(g.kanaal);
        EXPECT_EQ(doek.KleurOp(2, 1), verwacht) << int(g.kanaal);
    }
}

TEST(MaakTransparant, EndsOfTheScrollBarGiveTheBlankSurfaceAndThePicture)
{
    const Pixels blanco = Willekeurig(46, 41, 3);
    const Pixels plaatje = Willekeurig(46, 41, 4);
    EXPECT_EQ(MaakTransparant(blanco, plaatje, 0), blanco);
    const Pixels vol = MaakTransparant(blanco, plaatje, 100);
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 46; ++x) ASSERT_EQ(vol.KleurOp(x, y), plaatje.KleurOp(x, y)) << x << "," << y;
    // Values the scroll bar cannot give are held to its ends.
    EXPECT_EQ(MaakTransparant(blanco, plaatje, -20), blanco);
    EXPECT_EQ(MaakTransparant(blanco, plaatje, 250), vol);
}

TEST(MaakTransparant, HalvesGoToTheEvenNeighbourInEveryChannel)
{
    // At t = 50 the blend of a and 0 is a / 2: odd a lands on a half.
    struct {
        std::uint8_t a;
        std::uint8_t verwacht;
    } gevallen[] = {{1, 0}, {3, 2}, {5, 2}, {7, 4}, {253, 126}, {255, 128}};
    for (const auto& g : gevallen) {
        const Pixels doek = MaakTransparant(Effen(1, 1, Grijs(g.a)), Effen(1, 1, Grijs(0)), 50);
        EXPECT_EQ(doek.KleurOp(0, 0), Grijs(g.verwacht)) << int(g.a);
    }
}

// Every pair of channel values at every scroll position: red holds
// (blank x, picture y), green the pair swapped, blue a third mix, so each
// channel meets all 65536 pairs and the blue rule is held against the same
// whole-number evaluation as the others.
TEST(MaakTransparant, EveryChannelPairAtEveryTransparencyMatchesTheWholeNumberBlend)
{
    Pixels blanco(256, 256);
    Pixels plaatje(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const auto bx = static_cast<std::uint8_t>(x);
            const auto by = static_cast<std::uint8_t>(y);
            const auto bm = static_cast<std::uint8_t>(x ^ y);
            blanco.ZetKleur(x, y, {bx, by, bm});
            plaatje.ZetKleur(x, y, {by, bx, bx});
        }
    for (int t = 0; t <= 100; ++t) {
        const Pixels doek = MaakTransparant(blanco, plaatje, t);
        int fouten = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const Kleur k = doek.KleurOp(x, y);
                fouten += k.R != VerwachteMenging(x, y, t);
                fouten += k.G != VerwachteMenging(y, x, t);
                fouten += k.B != VerwachteMenging(x ^ y, x, t);
            }
        ASSERT_EQ(fouten, 0) << "t = " << t;
    }
}

TEST(MaakTransparant, KeepsTheBlankSurfaceWhereThePictureEndsAndItsReservedBytes)
{
    const Pixels blanco = Willekeurig(10, 8, 7);
    const Pixels doek = MaakTransparant(blanco, Effen(6, 5, Grijs(0)), 100);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const Kleur verwacht = (x < 6 && y < 5) ? Grijs(0) : blanco.KleurOp(x, y);
            ASSERT_EQ(doek.KleurOp(x, y), verwacht) << x << "," << y;
            ASSERT_EQ(doek.Pixel(x, y)[Gereserveerd], blanco.Pixel(x, y)[Gereserveerd]);
        }
}

}  // namespace
}  // namespace imaging
