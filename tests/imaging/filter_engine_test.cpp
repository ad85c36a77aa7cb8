#include "imaging/arithmetic.h"
#include "imaging/filter_engine.h"
#include "imaging_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

namespace imaging {
namespace {

using testhulp::Effen;
using testhulp::Willekeurig;

TEST(FilterEngine, NestedCallFromTheRowCallbackIsANoOp)
{
    Pixels beeld = Willekeurig(9, 6, 1);
    const Pixels origineel = beeld;
    Pixels ander = Willekeurig(9, 6, 2);
    const Pixels anderOrigineel = ander;
    Filters* engine = nullptr;
    int rijen = 0;
    Filters filters([&] {
        ++rijen;
        EXPECT_TRUE(engine->FilterBezig());
        // The bitmap is only written when the filter has finished.
        EXPECT_EQ(beeld, origineel);
        engine->FilterToepassen(Negative, ander, 0);
        engine->FilterToepassen(Negative, beeld, 0);
    });
    engine = &filters;

    filters.FilterToepassen(Negative, beeld, 0);

    EXPECT_EQ(rijen, 6);
    EXPECT_FALSE(filters.FilterBezig());
    EXPECT_EQ(ander, anderOrigineel);
    // Negated exactly once; the nested call on the same image did nothing.
    EXPECT_EQ(testhulp::Gefilterd(Negative, beeld, 0), origineel);
}

TEST(FilterEngine, CallbackRunsOncePerProcessedRow)
{
    struct Geval {
        int filterNr;
        int rijen;
    } gevallen[] = {{Negative, 7}, {Blur, 5}, {Aquarel, 3}, {Pixelize, 7}, {Scattered, 7}};
    for (const auto& g : gevallen) {
        int rijen = 0;
        Filters filters([&] { ++rijen; });
        Pixels beeld = Willekeurig(8, 7, 3);
        filters.FilterToepassen(g.filterNr, beeld, g.filterNr == Pixelize ? 3 : 15);
        EXPECT_EQ(rijen, g.rijen) << "filter " << g.filterNr;
    }
}

TEST(FilterEngine, ThrowingCallbackLeavesImageAndClearsBusyFlag)
{
    Pixels beeld = Willekeurig(5, 5, 4);
    const Pixels origineel = beeld;
    Filters filters([] { throw std::runtime_error("window closed"); });
    EXPECT_THROW(filters.FilterToepassen(Grayscale, beeld, 0), std::runtime_error);
    EXPECT_FALSE(filters.FilterBezig());
    EXPECT_EQ(beeld, origineel);
}

TEST(FilterEngine, OddInputsLeaveTheImageAlone)
{
    // Unknown numbers, parameters that would divide by zero or give no
    // blocks, and images too small or empty.
    struct Geval {
        int filterNr;
        std::int32_t param;
    } gevallen[] = {{0, 0}, {5, 0}, {30, 0}, {Sharpen, -8}, {Edge, -1}, {Pixelize, 0}, {Pixelize, -3}, {Scattered, 0}};
    const Pixels beeld = Willekeurig(6, 4, 5);
    for (const auto& g : gevallen)
        EXPECT_EQ(testhulp::Gefilterd(g.filterNr, beeld, g.param), beeld) << g.filterNr << " " << g.param;

    for (int nr : {Sharpen, Negative, Blur, Defuse, Edge, Contour, Grayscale, Relief, LightDark, Pixelize, SwapColors,
                   Contrast, Scattered, Aquarel, AddNoise}) {
        EXPECT_EQ(testhulp::Gefilterd(nr, Pixels(0, 0), 3), Pixels(0, 0));
        EXPECT_EQ(testhulp::Gefilterd(nr, Pixels(0, 4), 3), Pixels(0, 4));
        // A single pixel is all border for the neighbourhood filters.
        const Pixels een = Effen(1, 1, {10, 20, 30});
        const Pixels na = testhulp::Gefilterd(nr, een, 3);
        if (nr == Sharpen || nr == Blur || nr == Edge || nr == Contour || nr == Relief || nr == Aquarel) {
            EXPECT_EQ(na, een) << nr;
        }
    }
}

TEST(FilterEngine, ExtremeParametersNeitherOverflowNorHang)
{
    // Only the menu's values have a meaning, but the parameter is a plain
    // 32-bit number: the arithmetic must hold for all of them (the sanitizer
    // build checks for overflow).
    const Pixels beeld = Willekeurig(16, 9, 7);
    for (int nr : {Sharpen, Defuse, Edge, Contour, LightDark, Pixelize, SwapColors, Contrast, Scattered, AddNoise})
        for (std::int32_t param : {INT32_MIN, INT32_MIN + 1, -101, -100, -1, INT32_MAX - 1, INT32_MAX}) {
            const Pixels na = testhulp::Gefilterd(nr, beeld, param);
            ASSERT_EQ(na.Width(), 16);
            ASSERT_EQ(na.Pixel(15, 8)[Gereserveerd], beeld.Pixel(15, 8)[Gereserveerd]);
        }
    // -100 makes the factor 0: Light/Dark turns everything black.
    const Pixels zwart = testhulp::Gefilterd(LightDark, beeld, -100);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(zwart.KleurOp(x, y), (Kleur{0, 0, 0}));
}

TEST(FilterEngine, ReservedByteIsNeverWritten)
{
    const Pixels beeld = Willekeurig(12, 9, 6);
    for (int nr : {Sharpen, Negative, Blur, Defuse, Edge, Contour, Grayscale, Relief, LightDark, Pixelize, SwapColors,
                   Contrast, Scattered, Aquarel, AddNoise}) {
        const Pixels na = testhulp::Gefilterd(nr, beeld, nr == Pixelize ? 3 : 10);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 12; ++x)
                ASSERT_EQ(na.Pixel(x, y)[Gereserveerd], beeld.Pixel(x, y)[Gereserveerd]) << nr;
    }
}

TEST(FilterEngine, DefaultRandomSourceIsUniformInZeroToOne)
{
    Toeval a = StandaardToeval();
    Toeval b = StandaardToeval();
    int perTiende[10] = {};
    int gelijk = 0;
    for (int i = 0; i < 100000; ++i) {
        const double r = a();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++perTiende[static_cast<int>(r * 10)];
        gelijk += r == b();
    }
    for (int n : perTiende) EXPECT_NEAR(n, 10000, 500);
    EXPECT_LT(gelijk, 5) << "two sources should not share a sequence";
}

TEST(Arithmetic, RoundsHalfToEvenAndGreyTableDividesByThree)
{
    struct {
        double x;
        std::int64_t afgerond;
    } gevallen[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {244.8, 245}, {2.49, 2}, {-2.51, -3}};
    for (const auto& g : gevallen) EXPECT_EQ(RondAf(g.x), g.afgerond) << g.x;

    EXPECT_EQ(GrijsTabel[0], 0);
    EXPECT_EQ(GrijsTabel[2], 0);
    EXPECT_EQ(GrijsTabel[3], 1);
    EXPECT_EQ(GrijsTabel[764], 254);
    EXPECT_EQ(GrijsTabel[765], 255);
    EXPECT_EQ(GrijsWaarde({255, 0, 1}), 85);
}

TEST(Pixels, BytesAreBgraTopDownAndColoursSplitLikeTheCanvas)
{
    const std::uint8_t bytes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const Pixels p(2, 2, bytes);
    EXPECT_EQ(p.BytesPerLine(), 8);
    EXPECT_EQ(p.KleurOp(1, 0), (Kleur{7, 6, 5}));
    EXPECT_EQ(p.KleurOp(0, 1), (Kleur{11, 10, 9}));
    EXPECT_EQ(p.Pixel(1, 1)[Gereserveerd], 16);
    EXPECT_THROW(Pixels(-1, 3), std::invalid_argument);

    struct {
        std::int32_t kleur;
        int r, g, b;
    } gevallen[] = {{16777215, 255, 255, 255}, {0x123456, 0x56, 0x34, 0x12}, {-1, -1, 0, 0}, {-256, 0, 255, 0}};
    for (const auto& g : gevallen) {
        const KleurDelen d = SplitsKleur(g.kleur);
        EXPECT_EQ(d.R, g.r) << g.kleur;
        EXPECT_EQ(d.G, g.g) << g.kleur;
        EXPECT_EQ(d.B, g.b) << g.kleur;
    }
}

}  // namespace
}  // namespace imaging
