// The filters' own numbers: the values a user sees on simple images.

#include "imaging/filter_engine.h"
#include "imaging_test_support.h"

#include <gtest/gtest.h>

namespace imaging {
namespace {

using testhulp::Effen;
using testhulp::Gefilterd;
using testhulp::Grijs;
using testhulp::Script;
using testhulp::Willekeurig;

bool IsRand(const Pixels& p, int x, int y, int dikte)
{
    return x < dikte || y < dikte || x >= p.Width() - dikte || y >= p.Height() - dikte;
}

TEST(FilterCatalogue, UniformImagesMapAsTheMenuItemsPromise)
{
    struct Geval {
        const char* naam;
        int filterNr;
        std::int32_t param;
        std::uint8_t voor;
        std::uint8_t binnen;  // expected inside the border
    } gevallen[] = {
        {"Relief white", Relief, 0, 255, 177},
        {"Relief black", Relief, 0, 0, 50},
        {"Light 250", LightDark, 4, 250, 255},
        {"Light 100", LightDark, 4, 100, 104},
        {"Dark 255", LightDark, -4, 255, 245},
        {"Dark 13", LightDark, -4, 13, 12},
        {"Contour white", Contour, 16777215, 90, 255},
        {"Sharpen", Sharpen, 10, 90, 90},
        {"Edge", Edge, 1, 90, 90},
        {"Blur", Blur, 0, 90, 90},
        {"Aquarel", Aquarel, 0, 90, 90},
        {"Negative", Negative, 0, 90, 165},
        {"Contrast on its own mean", Contrast, 10, 90, 90},
    };
    for (const auto& g : gevallen) {
        const Pixels na = Gefilterd(g.filterNr, Effen(8, 7, Grijs(g.voor)), g.param);
        EXPECT_EQ(na.KleurOp(3, 3), Grijs(g.binnen)) << g.naam;
        const bool randBlijft = g.filterNr == Relief || g.filterNr == Contour;
        EXPECT_EQ(na.KleurOp(0, 6), Grijs(randBlijft ? g.voor : g.binnen)) << g.naam;
    }
}

TEST(FilterCatalogue, ContourAddsEachComponentToItsOwnChannel)
{
    const Pixels na = Gefilterd(Contour, Effen(4, 4, Grijs(0)), 10 + 256 * 20 + 65536 * 30);
    EXPECT_EQ(na.KleurOp(1, 1), (Kleur{10, 20, 30}));
}

TEST(FilterCatalogue, SwapColorsPermutesAsItsCaptionSays)
{
    struct {
        std::int32_t m;
        Kleur na;
    } gevallen[] = {
        {1, {3, 1, 2}}, {2, {2, 3, 1}}, {3, {1, 3, 2}}, {4, {3, 2, 1}}, {5, {2, 1, 3}}, {0, {1, 2, 3}}, {6, {1, 2, 3}},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(Gefilterd(SwapColors, Effen(2, 2, {1, 2, 3}), g.m).KleurOp(1, 1), g.na) << g.m;
}

TEST(FilterCatalogue, PixelizeAveragesOnlyThePixelsOfEdgeBlocksThatExist)
{
    const Pixels beeld = Willekeurig(625, 125, 11);
    const Pixels na = Gefilterd(Pixelize, beeld, 3);
    // Block columns start at 0, 3, ..., 624 (one column wide); block rows at
    // 0, 3, ..., 123 (two rows high).
    struct {
        int x0, y0, breedte, hoogte;
    } blokken[] = {{0, 0, 3, 3}, {300, 60, 3, 3}, {624, 0, 1, 3}, {0, 123, 3, 2}, {624, 123, 1, 2}};
    for (const auto& b : blokken) {
        int som[3] = {0, 0, 0};
        for (int y = b.y0; y < b.y0 + b.hoogte; ++y)
            for (int x = b.x0; x < b.x0 + b.breedte; ++x)
                for (int c = 0; c < 3; ++c) som[c] += beeld.Pixel(x, y)[c];
        const int aantal = b.breedte * b.hoogte;
        for (int y = b.y0; y < b.y0 + b.hoogte; ++y)
            for (int x = b.x0; x < b.x0 + b.breedte; ++x)
                for (int c = 0; c < 3; ++c) ASSERT_EQ(na.Pixel(x, y)[c], som[c] / aantal) << x << "," << y << " ch " << c;
    }
}

TEST(FilterCatalogue, ContrastSpillsTheOverflowIntoTheOtherChannels)
{
    // 396 pixels of grey 128 and four test pixels; the mean grey stays 128,
    // so with +10 the table is T(i) = round((i - 128) * 1.1 + 128):
    // T(0) = -13, T(128) = 128, T(200) = 207, T(245) = 257, T(250) = 262, T(255) = 268.
    Pixels beeld = Effen(20, 20, Grijs(128));
    struct {
        Kleur voor;
        Kleur na;
    } gevallen[] = {
        // red 268 -> 255, half of 13 (6) to blue and green
        {{255, 128, 128}, {255, 134, 134}},
        // all above 255
        {{250, 255, 245}, {255, 255, 255}},
        // blue -13 -> 0, -6 to green and red
        {{200, 200, 0}, {201, 201, 0}},
        // green -13 spills -6 (blue 122, red 262), then red spills 3 (blue 125, green 3)
        {{255, 0, 128}, {255, 3, 125}},
    };
    for (int i = 0; i < 4; ++i) beeld.ZetKleur(5 + i, 5, gevallen[i].voor);
    const Pixels na = Gefilterd(Contrast, beeld, 10);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(na.KleurOp(5 + i, 5), gevallen[i].na) << i;
    EXPECT_EQ(na.KleurOp(0, 0), Grijs(128));
}

TEST(FilterCatalogue, ScatteredOnAUniformImageStartsWhiteThenCarriesTheErrorToBlack)
{
    const Pixels na = Gefilterd(Scattered, Effen(8, 4, Grijs(128)), 15);
    // 128 is not below the mean 128: white, error -127; the next pixel gets
    // (-24 * 10) \ 15 = -16, so 112: black, error +112; then 128 + 6: white.
    EXPECT_EQ(na.KleurOp(0, 0), Grijs(255));
    EXPECT_EQ(na.KleurOp(1, 0), Grijs(0));
    EXPECT_EQ(na.KleurOp(2, 0), Grijs(255));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            const Kleur k = na.KleurOp(x, y);
            ASSERT_TRUE(k == Grijs(0) || k == Grijs(255));
        }
}

TEST(FilterCatalogue, AquarelTieGoesToTheEarlierSquare)
{
    // A 5 x 5 image has one filtered pixel, (2, 2). Its upper squares are
    // 100 but for one corner each; the lower rows are a wild checkerboard.
    struct {
        std::uint8_t linksBoven, rechtsBoven, verwacht;
    } gevallen[] = {
        {109, 91, 101},  // d = 16 for both: the earlier (upper-left, mean 101) wins
        {109, 95, 99},   // upper-right has d = 12: strictly smaller, it wins
    };
    for (const auto& g : gevallen) {
        Pixels beeld = Effen(5, 5, Grijs(100));
        for (int y = 3; y < 5; ++y)
            for (int x = 0; x < 5; ++x) beeld.ZetKleur(x, y, Grijs((x + y) % 2 ? 0 : 255));
        beeld.ZetKleur(0, 0, Grijs(g.linksBoven));
        beeld.ZetKleur(4, 0, Grijs(g.rechtsBoven));
        EXPECT_EQ(Gefilterd(Aquarel, beeld, 0).KleurOp(2, 2), Grijs(g.verwacht));
    }
}

TEST(FilterCatalogue, SharpenAndBlurSeeTheirOwnOutputAroundADarkDot)
{
    struct {
        int filterNr;
        std::int32_t param;
        std::uint8_t linksBoven;  // the dot's upper-left neighbour
    } gevallen[] = {
        {Blur, 0, (7 * 200 + 100) / 8},
        {Sharpen, 10, (34 * 200 - 2 * (7 * 200 + 100)) / 18},
    };
    for (const auto& g : gevallen) {
        Pixels beeld = Effen(7, 7, Grijs(200));
        beeld.ZetKleur(3, 3, Grijs(100));
        const Pixels na = Gefilterd(g.filterNr, beeld, g.param);
        EXPECT_EQ(na.KleurOp(2, 2), Grijs(g.linksBoven)) << g.filterNr;
        // Below and right of the dot the neighbours read the dot already
        // filtered, so the picture is not symmetric.
        EXPECT_NE(na.KleurOp(4, 4), na.KleurOp(2, 2)) << g.filterNr;
        EXPECT_NE(na.KleurOp(3, 4), na.KleurOp(3, 2)) << g.filterNr;
    }
}

TEST(FilterCatalogue, DefuseDropsOnlyTheAxisThatWouldLeaveTheImage)
{
    // h = 3; dx = round(r * 6 - 3): r = 0 gives -3, 0.99 gives 3, 0.5 gives 0.
    struct {
        double r1, r2;
        int bronX, bronY;  // where pixel (0, 0) takes its colour from
    } gevallen[] = {
        {0.0, 0.99, 0, 3},   // left of the image: dx = 0, dy stays 3
        {0.99, 0.0, 3, 0},   // above: dy = 0
        {0.99, 0.99, 3, 3},  // both inside
        {0.0, 0.0, 0, 0},    // both outside
    };
    for (const auto& g : gevallen) {
        const Pixels beeld = Willekeurig(5, 5, 12);
        const Pixels na = Gefilterd(Defuse, beeld, 6, Script({g.r1, g.r2, 0.5}));
        EXPECT_EQ(na.KleurOp(0, 0), beeld.KleurOp(g.bronX, g.bronY)) << g.r1 << " " << g.r2;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x)
                if (x || y) {
                    ASSERT_EQ(na.KleurOp(x, y), beeld.KleurOp(x, y));
                }
    }

    // In place: pixel (1, 0) moved one left reads (0, 0) as already changed.
    const Pixels beeld = Willekeurig(5, 5, 13);
    const Pixels na = Gefilterd(Defuse, beeld, 6, Script({0.99, 0.99, 2.0 / 6, 0.5, 0.5}));
    EXPECT_EQ(na.KleurOp(1, 0), beeld.KleurOp(3, 3));
}

TEST(FilterCatalogue, AddNoiseDrawsPerChannelBlueFirstAndRoundsHalfToEven)
{
    // r * 101 - 50: r = 0.5 adds 0.5 (then half to even), r = 0 subtracts 50,
    // r = 0.999 adds 50.899.
    const Pixels na = Gefilterd(AddNoise, Effen(1, 1, {30, 101, 100}), 50, Script({0.5, 0.5, 0.0}));
    EXPECT_EQ(na.KleurOp(0, 0), (Kleur{0, 102, 100}));
    const Pixels hoog = Gefilterd(AddNoise, Effen(1, 1, {230, 0, 10}), 50, Script({0.999, 0.0, 0.999}));
    EXPECT_EQ(hoog.KleurOp(0, 0), (Kleur{255, 0, 61}));
}

TEST(FilterCatalogue, NeighbourhoodFiltersKeepTheirBorder)
{
    const Pixels beeld = Willekeurig(20, 12, 14);
    struct {
        int filterNr;
        std::int32_t param;
        int dikte;
    } gevallen[] = {{Sharpen, 10, 1}, {Blur, 0, 1}, {Edge, 1, 1}, {Contour, 16777215, 1}, {Relief, 0, 1}, {Aquarel, 0, 2}};
    for (const auto& g : gevallen) {
        const Pixels na = Gefilterd(g.filterNr, beeld, g.param);
        int binnenGewijzigd = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 20; ++x) {
                if (IsRand(beeld, x, y, g.dikte))
                    ASSERT_EQ(na.KleurOp(x, y), beeld.KleurOp(x, y)) << g.filterNr << " at " << x << "," << y;
                else
                    binnenGewijzigd += na.KleurOp(x, y) != beeld.KleurOp(x, y);
            }
        EXPECT_GT(binnenGewijzigd, 0) << g.filterNr;
    }
}

}  // namespace
}  // namespace imaging
