#include "logo/logo_canvas.h"

#include "logo_test_support.h"

#include <QFrame>
#include <gtest/gtest.h>

namespace {

using namespace logotest;

constexpr QRgb kZwart = 0x000000;
constexpr QRgb kWit = 0xFFFFFF;
constexpr QRgb kRood = 0xFF0000;

struct Canvas {
    LogoCanvas c;
    Canvas(int gereedschap, int lijndikte = 1)
    {
        c.KiesGereedschap(gereedschap);
        c.ZetLijndikte(lijndikte);
    }
};

// The same line drawn on a blank picture, with the width the canvas took.
QImage LijnOpWit(QPoint van, QPoint tot, int breedte)
{
    platform::ImageSurface vlak(LogoCanvas::Breedte, LogoCanvas::Hoogte);
    vlak.setUnit(platform::Surface::Unit::Pixels);
    vlak.setDrawWidth(breedte);
    vlak.line(van.x(), van.y(), tot.x(), tot.y(), Qt::black);
    return vlak.image();
}

TEST(LogoCanvas, FreehandFollowsTheMouseAndTheStraightLineLeavesOnlyItsFinalLine)
{
    Canvas vrij(1);
    Sleep(&vrij.c, {10, 10}, {{30, 10}, {30, 40}}, {30, 40});
    for (const QPoint p : {QPoint(10, 10), QPoint(20, 10), QPoint(30, 10), QPoint(30, 25), QPoint(30, 40)})
        EXPECT_EQ(Op(vrij.c, p.x(), p.y()), kZwart) << p.x() << "," << p.y();
    EXPECT_EQ(Op(vrij.c, 20, 25), kWit);  // not the straight way from start to end

    struct Geval {
        const char* naam;
        QPoint van;
        std::initializer_list<QPoint> via;
        QPoint tot;
    } gevallen[] = {
        {"down-right", {100, 20}, {{200, 100}, {150, 60}, {300, 10}, {180, 90}}, {180, 90}},
        {"up-left", {400, 110}, {{420, 5}, {300, 50}, {350, 30}}, {350, 30}},
        {"released away from the last move", {100, 100}, {{200, 20}, {300, 10}}, {120, 30}},
        {"released at the start", {500, 60}, {{560, 90}, {520, 30}}, {500, 60}},
    };
    for (const auto& g : gevallen) {
        Canvas recht(2, 3);
        Sleep(&recht.c, g.van, g.via, g.tot);
        EXPECT_EQ(recht.c.Beeld(), LijnOpWit(g.van, g.tot, 3)) << g.naam;
    }
}

TEST(LogoCanvas, RectangleOutlineAndFilledRectangleInEachFillStyle)
{
    Canvas omtrek(3);
    Sleep(&omtrek.c, {10, 10}, {{60, 60}, {40, 30}}, {40, 30});
    EXPECT_EQ(Verschil(omtrek.c.Beeld(), Effen(Qt::white)), QRect(QPoint(10, 10), QPoint(40, 30)));
    EXPECT_EQ(Op(omtrek.c, 25, 10), kZwart);
    EXPECT_EQ(Op(omtrek.c, 10, 20), kZwart);
    EXPECT_EQ(Op(omtrek.c, 25, 20), kWit);  // no fill

    // Inside the outline: rows of one colour for horizontal lines, columns for vertical ones.
    struct Geval {
        int stijl;
        bool rijenEffen;
        bool kolommenEffen;
    } gevallen[] = {{0, true, true}, {2, true, false}, {3, false, true}, {6, false, false}};
    for (const auto& g : gevallen) {
        Canvas gevuld(4);
        gevuld.c.Staat().VulKleur = {255, 0, 0};
        gevuld.c.Staat().VulStijl = g.stijl;
        Sleep(&gevuld.c, {100, 10}, {140, 60});
        const QImage beeld = gevuld.c.Beeld();
        EXPECT_EQ(Op(gevuld.c, 100, 10), kZwart) << g.stijl;
        EXPECT_EQ(Op(gevuld.c, 140, 60), kZwart) << g.stijl;
        int rood = 0;
        bool rijenEffen = true;
        bool kolommenEffen = true;
        for (int y = 11; y < 60; ++y)
            for (int x = 101; x < 140; ++x) {
                const QRgb k = beeld.pixel(x, y) & 0xFFFFFF;
                ASSERT_TRUE(k == kRood || k == kWit) << g.stijl;
                rood += k == kRood;
                rijenEffen &= beeld.pixel(x, y) == beeld.pixel(101, y);
                kolommenEffen &= beeld.pixel(x, y) == beeld.pixel(x, 11);
            }
        EXPECT_GT(rood, 0) << g.stijl;
        EXPECT_EQ(rijenEffen, g.rijenEffen) << g.stijl;
        EXPECT_EQ(kolommenEffen, g.kolommenEffen) << g.stijl;

        // The fill belongs to that one rectangle: an outline after it stays empty.
        gevuld.c.KiesGereedschap(3);
        Sleep(&gevuld.c, {200, 10}, {240, 60});
        EXPECT_EQ(Op(gevuld.c, 220, 35), kWit) << g.stijl;
    }
}

TEST(LogoCanvas, EllipseIsInscribedInTheDraggedRectangle)
{
    struct Geval {
        int gereedschap;
        QPoint van, tot;
    } gevallen[] = {
        {5, {100, 20}, {200, 80}},  // wider than high
        {5, {300, 10}, {330, 110}}, // higher than wide
        {6, {400, 30}, {460, 90}},  // a circle, filled
    };
    for (const auto& g : gevallen) {
        Canvas ellips(g.gereedschap);
        ellips.c.Staat().VulKleur = {255, 0, 0};
        Sleep(&ellips.c, g.van, g.tot);
        const QRect getekend = Verschil(ellips.c.Beeld(), Effen(Qt::white));
        const QRect gesleept(g.van, g.tot);
        EXPECT_TRUE(gesleept.contains(getekend)) << g.van.x();
        EXPECT_LE(getekend.left() - gesleept.left(), 1) << g.van.x();
        EXPECT_LE(getekend.top() - gesleept.top(), 1) << g.van.x();
        EXPECT_LE(gesleept.right() - getekend.right(), 1) << g.van.x();
        EXPECT_LE(gesleept.bottom() - getekend.bottom(), 1) << g.van.x();
        // The corners of the rectangle lie outside the ellipse.
        EXPECT_EQ(Op(ellips.c, g.van.x() + 2, g.van.y() + 2), kWit);
        const QPoint midden = gesleept.center();
        EXPECT_EQ(Op(ellips.c, midden.x(), midden.y()), g.gereedschap == 6 ? kRood : kWit);
    }
}

TEST(LogoCanvas, NothingIsDrawnWhenReleasedUpOrLeftOfTheStartOrOnItsLine)
{
    const QPoint start(50, 50);
    const QPoint loslaten[] = {{40, 40}, {40, 70}, {70, 40}, {50, 70}, {70, 50}, {50, 50}};
    for (int gereedschap : {3, 4, 5, 6}) {
        for (const QPoint los : loslaten) {
            Canvas canvas(gereedschap);
            QTest::mousePress(&canvas.c, Qt::LeftButton, {}, start);
            QTest::mouseMove(&canvas.c, los);
            // The band grows only right and down: it stays at the start.
            EXPECT_EQ(canvas.c.Layer->geometry().topLeft(), start);
            EXPECT_LE(canvas.c.Layer->width(), std::max(1, los.x() - start.x() + 1));
            EXPECT_LE(canvas.c.Layer->height(), std::max(1, los.y() - start.y() + 1));
            QTest::mouseRelease(&canvas.c, Qt::LeftButton, {}, los);
            EXPECT_EQ(canvas.c.Beeld(), Effen(Qt::white)) << gereedschap << " " << los.x() << "," << los.y();
            EXPECT_TRUE(canvas.c.Layer->isHidden());
        }
    }
}

TEST(LogoCanvas, FloodFillChangesOnlyTheConnectedAreaOfOneColour)
{
    QImage beeld = Effen(Qt::white);
    {
        QPainter p(&beeld);
        p.setPen(Qt::black);
        p.drawLine(300, 0, 300, 124);        // the right half is another area
        p.drawRect(20, 20, 40, 40);          // a white island in the left half
        p.fillRect(100, 80, 10, 10, QColor(254, 254, 254));  // almost white is another colour
    }
    for (const int stijl : {0, 5}) {
        Canvas vuller(7);
        vuller.c.ZetBeeld(beeld);
        vuller.c.Staat().VulKleur = {255, 0, 0};
        vuller.c.Staat().VulStijl = stijl;
        Klik(&vuller.c, {10, 100});
        const QImage na = vuller.c.Beeld();
        EXPECT_EQ(Verschil(beeld, na).right(), 299) << stijl;
        EXPECT_EQ(Verschil(beeld.copy(0, 0, 301, 125), na.copy(0, 0, 301, 125)), QRect(0, 0, 300, 125)) << stijl;
        EXPECT_EQ(Verschil(beeld.copy(21, 21, 39, 39), na.copy(21, 21, 39, 39)), QRect()) << stijl;
        EXPECT_EQ(Verschil(beeld.copy(100, 80, 10, 10), na.copy(100, 80, 10, 10)), QRect()) << stijl;
        EXPECT_EQ(Op(vuller.c, 300, 50), kZwart);
        for (int y = 0; y < 125; ++y)
            for (int x = 0; x < 300; ++x) {
                const QRgb k = na.pixel(x, y) & 0xFFFFFF;
                ASSERT_TRUE(k == kRood || k == (beeld.pixel(x, y) & 0xFFFFFF)) << x << "," << y;
            }
        if (stijl == 0) {
            EXPECT_EQ(Op(vuller.c, 10, 10), kRood);
        }
    }
}

TEST(LogoCanvas, EraserClearsABoxAboveAndLeftOfThePointerClippedAtTheEdge)
{
    struct Geval {
        int grootte;
        QPoint punt;
        QRect gewist;
    } gevallen[] = {
        {10, {100, 50}, QRect(QPoint(91, 41), QPoint(99, 49))},
        {10, {5, 5}, QRect(QPoint(0, 0), QPoint(4, 4))},
        {30, {20, 124}, QRect(QPoint(0, 95), QPoint(19, 123))},
        {15, {624, 3}, QRect(QPoint(610, 0), QPoint(623, 2))},
    };
    for (const auto& g : gevallen) {
        Canvas gum(9);
        gum.c.ZetGumGrootte(g.grootte);
        gum.c.ZetBeeld(Effen(Qt::black));
        Klik(&gum.c, g.punt);
        EXPECT_EQ(Verschil(gum.c.Beeld(), Effen(Qt::black)), g.gewist) << g.grootte << " at " << g.punt.x();
        EXPECT_EQ(AantalVerschillend(gum.c.Beeld(), Effen(Qt::black)), g.gewist.width() * g.gewist.height());
        EXPECT_EQ(Op(gum.c, g.gewist.left(), g.gewist.top()), kWit);
        EXPECT_EQ(gum.c.Gom->geometry(), QRect(g.punt - QPoint(g.grootte, g.grootte), QSize(g.grootte, g.grootte)));
    }

    // Dragging erases a trail.
    Canvas gum(9);
    gum.c.ZetBeeld(Effen(Qt::black));
    Sleep(&gum.c, {50, 50}, {{80, 50}}, {80, 50});
    EXPECT_EQ(Verschil(gum.c.Beeld(), Effen(Qt::black)), QRect(QPoint(41, 41), QPoint(79, 49)));
}

TEST(LogoCanvas, ColourPickerTakesTheDrawColourWithTheLeftButtonAndTheFillColourWithTheRight)
{
    Canvas pipet(10);
    QImage beeld = Effen(Qt::white);
    beeld.setPixel(50, 50, qRgb(10, 20, 30));
    beeld.setPixel(60, 60, qRgb(200, 100, 50));
    pipet.c.ZetBeeld(beeld);
    int gemeld = 0;
    QObject::connect(&pipet.c, &LogoCanvas::kleurGekozen, [&] { ++gemeld; });
    const TekenStaat& s = pipet.c.Staat();

    Klik(&pipet.c, {50, 50}, Qt::LeftButton);
    EXPECT_EQ(s.TekenKleur, (imaging::Kleur{10, 20, 30}));
    EXPECT_EQ(s.VulKleur, (imaging::Kleur{255, 255, 0}));
    Klik(&pipet.c, {60, 60}, Qt::RightButton);
    EXPECT_EQ(s.TekenKleur, (imaging::Kleur{10, 20, 30}));
    EXPECT_EQ(s.VulKleur, (imaging::Kleur{200, 100, 50}));
    Klik(&pipet.c, {100, 100}, Qt::MiddleButton);
    EXPECT_EQ(s.TekenKleur, (imaging::Kleur{10, 20, 30}));
    EXPECT_EQ(s.VulKleur, (imaging::Kleur{200, 100, 50}));
    EXPECT_EQ(gemeld, 2);
    EXPECT_EQ(pipet.c.Beeld(), beeld);
}

TEST(LogoCanvas, SprayDotsTheDiagonalAboveLeftAndCirclesTakeOneColourEach)
{
    for (int ronde = 0; ronde < 20; ++ronde) {
        Canvas spray(8, 5);
        QTest::mousePress(&spray.c, Qt::LeftButton, {}, {200, 60});
        QTest::mouseMove(&spray.c, {300, 80});
        const QRect stip = Verschil(spray.c.Beeld(), Effen(Qt::white));
        ASSERT_EQ(stip.size(), QSize(1, 1)) << "one pixel, whatever the line width";
        const int r = stip.x() - 290;
        EXPECT_GE(r, 1);
        EXPECT_LE(r, 10);
        EXPECT_EQ(stip.y() - 70, r);
        QTest::mouseRelease(&spray.c, Qt::LeftButton, {}, {300, 80});
    }

    Canvas cirkels(11, 1);
    QTest::mousePress(&cirkels.c, Qt::LeftButton, {}, {200, 60});
    QTest::mouseMove(&cirkels.c, {300, 80});
    const QImage beeld = cirkels.c.Beeld();
    const QRect cirkel = Verschil(beeld, Effen(Qt::white));
    EXPECT_LE(std::abs(cirkel.center().x() - 300), 1);
    EXPECT_LE(std::abs(cirkel.center().y() - 80), 1);
    EXPECT_GE(cirkel.width(), 10);
    EXPECT_LE(cirkel.width(), 12);
    EXPECT_EQ(Op(cirkels.c, 300, 80), kWit);  // not filled
    const QRgb kleur = beeld.pixel(cirkel.left(), cirkel.center().y());
    EXPECT_NE(kleur & 0xFFFFFF, kWit);
    EXPECT_GE(qRed(kleur), 1);
    EXPECT_GE(qGreen(kleur), 1);
    EXPECT_GE(qBlue(kleur), 1);
    for (int y = cirkel.top(); y <= cirkel.bottom(); ++y)
        for (int x = cirkel.left(); x <= cirkel.right(); ++x)
            ASSERT_TRUE(beeld.pixel(x, y) == kleur || (beeld.pixel(x, y) & 0xFFFFFF) == kWit);
    QTest::mouseRelease(&cirkels.c, Qt::LeftButton, {}, {300, 80});
}

TEST(LogoCanvas, UndoGoesBackOneStepAndAgainGivesTheSamePicture)
{
    Canvas canvas(4, 2);
    const QImage leeg = canvas.c.Beeld();
    canvas.c.Undo();  // nothing to go back to yet
    EXPECT_EQ(canvas.c.Beeld(), leeg);

    Sleep(&canvas.c, {10, 10}, {50, 50});
    const QImage eerste = canvas.c.Beeld();
    Sleep(&canvas.c, {100, 10}, {150, 50});
    ASSERT_NE(canvas.c.Beeld(), eerste);
    canvas.c.Undo();
    EXPECT_EQ(canvas.c.Beeld(), eerste);
    canvas.c.Undo();
    EXPECT_EQ(canvas.c.Beeld(), eerste);

    // Every mouse down takes the snapshot, also one that draws nothing.
    Sleep(&canvas.c, {300, 10}, {350, 50});
    Klik(&canvas.c, {400, 100});
    canvas.c.Undo();
    EXPECT_NE(canvas.c.Beeld(), eerste);

    Sleep(&canvas.c, {500, 10}, {550, 50});
    const QImage voor = canvas.c.Beeld();
    Sleep(&canvas.c, {500, 60}, {550, 100});
    QTest::keyClick(&canvas.c, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(canvas.c.Beeld(), voor);
}

TEST(LogoCanvas, WithoutAToolTheMouseOnlyMovesTheOverlays)
{
    Canvas canvas(0);
    int x = -1, y = -1;
    QObject::connect(&canvas.c, &LogoCanvas::coordinaten, [&](int cx, int cy) { x = cx, y = cy; });
    Sleep(&canvas.c, {10, 10}, {{120, 45}}, {200, 100});
    EXPECT_EQ(canvas.c.Beeld(), Effen(Qt::white));
    EXPECT_EQ(x, 120);
    EXPECT_EQ(y, 45);
    EXPECT_TRUE(canvas.c.Gom->isHidden());

    canvas.c.KiesGereedschap(9);
    EXPECT_FALSE(canvas.c.Gom->isHidden());
    Beweeg(&canvas.c, {300, 70});
    EXPECT_EQ(canvas.c.Gom->geometry(), QRect(290, 60, 10, 10));
    EXPECT_EQ(canvas.c.Beeld(), Effen(Qt::white));  // no button: no erasing
}

}  // namespace
