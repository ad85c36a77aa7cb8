#include "opstelling.h"

#include "support/blend_reference.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int kBreed = Transparant::kBreedte;
constexpr int kHoog = Transparant::kHoogte;
const QRgb kWit = qRgb(255, 255, 255);

// The canvas is the picture blended over white at t percent, channel by channel.
void ExpectMenging(const QImage& doek, QRgb kleur, int t)
{
    const QRgb verwacht = qRgb(VerwachteMenging(255, qRed(kleur), t), VerwachteMenging(255, qGreen(kleur), t),
                               VerwachteMenging(255, qBlue(kleur), t));
    for (int y = 0; y < kHoog; ++y)
        for (int x = 0; x < kBreed; ++x) ASSERT_EQ(doek.pixel(x, y), verwacht) << x << "," << y << " t=" << t;
}

int PixelsNiet(const QImage& doek, QRgb kleur, QRect gebied)
{
    int aantal = 0;
    for (int y = gebied.top(); y <= gebied.bottom(); ++y)
        for (int x = gebied.left(); x <= gebied.right(); ++x) aantal += doek.pixel(x, y) != kleur;
    return aantal;
}

void Muis(QWidget* doek, QEvent::Type soort, QPoint plek, Qt::MouseButtons knoppen)
{
    const Qt::MouseButton knop = soort == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(soort, plek, doek->mapToGlobal(plek), knop, knoppen, Qt::NoModifier);
    QApplication::sendEvent(doek, &event);
}

TEST(Transparant, OpensWithThePromptOnBlankPaperAndItsControlsInPlace)
{
    Opstelling o;
    Transparant& v = o.venster;
    EXPECT_EQ(v.windowTitle(), "Achtergrond Ontwerpen");
    EXPECT_EQ(v.palette().color(QPalette::Window), QColor(240, 250, 140));
    EXPECT_EQ(v.Frame1->palette().color(QPalette::Window), QColor(240, 250, 140));

    struct {
        QWidget* w;
        QRect plek;  // pixels inside Frame1 (the frame itself inside the window)
    } plekken[] = {
        {v.Frame1, {6, 2, 490, 522}},       {v.Label1, {10, 16, 470, 420}},    {v.Picture3, {14, 20, 460, 410}},
        {v.Label3, {10, 444, 246, 22}},     {v.HScroll, {12, 446, 242, 18}},   {v.Label5, {10, 487, 120, 26}},
        {v.LoadKnop, {12, 489, 58, 22}},    {v.SaveKnop, {70, 489, 58, 22}},   {v.Label6, {140, 487, 116, 26}},
        {v.Verschuif[0], {142, 489, 28, 22}}, {v.Verschuif[3], {226, 489, 28, 22}},
        {v.Label2, {419, 487, 60, 26}},     {v.CancelKnop, {421, 489, 56, 22}},
    };
    for (const auto& p : plekken) EXPECT_EQ(p.w->geometry(), p.plek) << p.w->metaObject()->className();
    EXPECT_EQ(v.Label4->pos(), QPoint(260, 448));
    EXPECT_EQ(v.Label7->pos(), QPoint(260, 493));
    EXPECT_LE(v.Frame1->geometry().right(), v.width());
    EXPECT_LE(v.Frame1->geometry().bottom(), v.height());

    EXPECT_EQ(v.Label4->text(), "Transparantie : 30%");
    EXPECT_EQ(v.Label7->text(), "Afbeelding verschuiven");
    EXPECT_EQ(v.LoadKnop->text(), "Open");
    EXPECT_EQ(v.LoadKnop->toolTip(), "Afbeelding Openen");
    EXPECT_EQ(v.SaveKnop->text(), "Opslaan");
    EXPECT_EQ(v.SaveKnop->toolTip(), "Afbeelding Opslaan");
    EXPECT_EQ(v.CancelKnop->text(), "Exit");
    EXPECT_EQ(v.Picture3->toolTip(), "Druk op linkermuistoets voor gummen");
    EXPECT_EQ(v.HScroll->minimum(), 0);
    EXPECT_EQ(v.HScroll->maximum(), 100);
    EXPECT_EQ(v.HScroll->value(), 30);
    EXPECT_FALSE(v.Gom->isVisibleTo(&v));

    // The prompt stands on one line from (64, 180); the rest is blank paper.
    const QRect regel(64, 180, 300, 18);
    EXPECT_EQ(o.Doek().size(), QSize(kBreed, kHoog));
    EXPECT_GT(PixelsNiet(o.Doek(), kWit, regel), 50);
    EXPECT_EQ(PixelsNiet(o.Doek(), kWit, o.Doek().rect()), PixelsNiet(o.Doek(), kWit, regel));
}

TEST(Transparant, ScrollValueShowsInTheLabelAndBlendsAtThatStrength)
{
    Opstelling o;
    const QRgb kleur = qRgb(10, 101, 201);
    o.Open(Effen(kleur));
    ExpectMenging(o.Doek(), kleur, 30);
    for (int t : {45, 0, 100, 7}) {
        o.venster.HScroll->setValue(t);
        EXPECT_EQ(o.venster.Label4->text(), QStringLiteral("Transparantie : %1%").arg(t));
        ExpectMenging(o.Doek(), kleur, t);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Transparant, ScrollingBeforeAnyPictureBlanksTheCanvas)
{
    Opstelling o;
    o.venster.HScroll->setValue(45);
    ExpectMenging(o.Doek(), kWit, 45);
}

// A move of the scroll bar during the pause starts its own blend; the last
// value wins, whichever blend finishes last.
TEST(Transparant, AScrollDuringThePauseEndsAtTheLastValue)
{
    Opstelling o;
    const QRgb kleur = qRgb(0, 0, 0);
    o.Open(Effen(kleur));
    o.venster.Pauze = 0.05;
    QTimer::singleShot(0, [&o] { o.venster.HScroll->setValue(80); });
    o.venster.HScroll->setValue(45);
    EXPECT_EQ(o.venster.Label4->text(), "Transparantie : 80%");
    ExpectMenging(o.Doek(), kleur, 80);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Transparant, PicturesOfAnySizeAndShapeFillTheCanvasExactly)
{
    const QRgb links = qRgb(200, 0, 0), rechts = qRgb(0, 0, 200);
    const QRgb linksOnder = qRgb(0, 200, 0), rechtsOnder = qRgb(90, 90, 90);
    for (const QSize maat : {QSize(20, 10), QSize(1000, 900), QSize(50, 400), QSize(460, 41), QSize(460, 410)}) {
        QImage plaatje = Effen(links, maat.width(), maat.height());
        const int halfB = maat.width() / 2, halfH = maat.height() / 2;
        for (int y = 0; y < maat.height(); ++y)
            for (int x = 0; x < maat.width(); ++x)
                if (x >= halfB || y >= halfH)
                    plaatje.setPixel(x, y, y < halfH ? rechts : (x < halfB ? linksOnder : rechtsOnder));
        Opstelling o;
        o.venster.HScroll->setValue(100);
        o.Open(plaatje);
        // The quarters meet at the middle of the canvas, whatever the picture's proportions.
        EXPECT_EQ(o.Doek().size(), QSize(kBreed, kHoog));
        EXPECT_EQ(o.Pixel(0, 0), links) << maat.width() << "x" << maat.height();
        EXPECT_EQ(o.Pixel(195, 180), links) << maat.width() << "x" << maat.height();
        EXPECT_EQ(o.Pixel(265, 180), rechts) << maat.width() << "x" << maat.height();
        EXPECT_EQ(o.Pixel(kBreed - 1, 0), rechts) << maat.width() << "x" << maat.height();
        EXPECT_EQ(o.Pixel(195, 240), linksOnder) << maat.width() << "x" << maat.height();
        EXPECT_EQ(o.Pixel(0, kHoog - 1), linksOnder) << maat.width() << "x" << maat.height();
        EXPECT_EQ(o.Pixel(kBreed - 1, kHoog - 1), rechtsOnder) << maat.width() << "x" << maat.height();
    }
}

TEST(Transparant, OpensJpegAndGifFilesToo)
{
    // One red pixel.
    const QByteArray gif = QByteArray::fromHex("474946383961010001008000" "00ff0000000000"
                                               "2c00000000010001000002024401003b");
    Opstelling o;
    o.venster.HScroll->setValue(100);
    o.OpenBytes(gif, QStringLiteral("rood.gif"));
    ExpectMenging(o.Doek(), qRgb(255, 0, 0), 100);

    QImage grijs = Effen(QColor(128, 128, 128), 64, 64);
    ASSERT_TRUE(grijs.save(o.map.file(QStringLiteral("grijs.jpg")), "JPEG", 100));
    o.gekozen = o.map.file(QStringLiteral("grijs.jpg"));
    o.venster.LoadKnop->click();
    EXPECT_NEAR(qRed(o.Pixel(230, 205)), 128, 2);
    EXPECT_NEAR(qBlue(o.Pixel(0, 0)), 128, 2);
}

TEST(Transparant, AFileThatIsNoPictureLeavesTheWindowUsable)
{
    QByteArray bmpKop("BM");
    bmpKop += QByteArray::fromHex("36000000" "00000000" "36000000" "28000000" "384a0000" "384a0000" "01001800");
    struct {
        const char* naam;
        QByteArray bytes;
    } gevallen[] = {
        {"leeg.jpg", {}},
        {"tekst.bmp", "geen plaatje"},
        {"tekening.wmf", QByteArray::fromHex("d7cdc69a0000") + QByteArray(200, '\x01')},
        {"kop.jpg", QByteArray::fromHex("ffd8ffe000104a464946")},
        {"reus.bmp", bmpKop},  // 19000 x 19000 pixels announced, none there
        {"ruis.gif", QByteArray("GIF89a") + QByteArray(500, '\xff')},
    };
    for (const auto& g : gevallen) {
        Opstelling o;
        o.OpenBytes(g.bytes, QString::fromLatin1(g.naam));
        EXPECT_EQ(PixelsNiet(o.Doek(), kWit, o.Doek().rect()), 0) << g.naam;  // cleared, as the open began
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << g.naam;
        EXPECT_TRUE(o.prompts.gevraagd.empty()) << g.naam;
        const QRgb kleur = qRgb(30, 60, 90);
        o.Open(Effen(kleur));
        ExpectMenging(o.Doek(), kleur, 30);
    }
    Opstelling o;
    o.gekozen = o.map.file(QStringLiteral("bestaat-niet.bmp"));
    o.venster.LoadKnop->click();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Transparant, CancellingTheFileDialogKeepsTheCanvas)
{
    Opstelling o;
    const QImage voor = o.Doek();
    o.gekozen.clear();
    o.venster.LoadKnop->click();
    EXPECT_EQ(o.Doek(), voor);
}

TEST(Transparant, TheLeftButtonRubsOutASquareAboveAndLeftOfThePointerClippedAtTheEdges)
{
    struct {
        QPoint plek;
        QRect wit;  // what turns white, inside the canvas
    } gevallen[] = {
        {{100, 100}, {86, 86, 14, 14}},
        {{5, 5}, {0, 0, 5, 5}},
        {{0, 200}, {}},
        {{14, 1}, {0, 0, 14, 1}},
        {{kBreed + 3, kHoog + 3}, {kBreed - 11, kHoog - 11, 11, 11}},
    };
    for (const auto& g : gevallen) {
        Opstelling o;
        o.venster.HScroll->setValue(100);
        o.Open(Effen(Qt::black));
        QTest::mousePress(o.venster.Picture3, Qt::LeftButton, {}, g.plek);
        EXPECT_TRUE(o.venster.Gom->isVisibleTo(o.venster.Picture3));
        EXPECT_EQ(o.venster.Gom->geometry(), QRect(g.plek - QPoint(15, 15), QSize(15, 15)));
        for (int y = 0; y < kHoog; ++y)
            for (int x = 0; x < kBreed; ++x)
                ASSERT_EQ(o.Pixel(x, y), g.wit.contains(x, y) ? kWit : qRgb(0, 0, 0))
                    << x << "," << y << " at " << g.plek.x() << "," << g.plek.y();
        QTest::mouseRelease(o.venster.Picture3, Qt::LeftButton, {}, g.plek);
        EXPECT_FALSE(o.venster.Gom->isVisibleTo(o.venster.Picture3));
    }
}

TEST(Transparant, RubbingFollowsADragOnlyWithTheLeftButtonAloneAndLastsUntilTheNextBlend)
{
    Opstelling o;
    o.venster.HScroll->setValue(100);
    o.Open(Effen(Qt::black));
    const QImage zwart = o.Doek();
    Muis(o.venster.Picture3, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton | Qt::RightButton);
    Muis(o.venster.Picture3, QEvent::MouseMove, {60, 60}, Qt::RightButton);
    Muis(o.venster.Picture3, QEvent::MouseMove, {70, 70}, Qt::NoButton);
    EXPECT_EQ(o.Doek(), zwart);
    EXPECT_FALSE(o.venster.Gom->isVisibleTo(o.venster.Picture3));

    Muis(o.venster.Picture3, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton);
    Muis(o.venster.Picture3, QEvent::MouseMove, {200, 50}, Qt::LeftButton);
    EXPECT_EQ(o.venster.Gom->pos(), QPoint(185, 35));
    EXPECT_EQ(PixelsNiet(o.Doek(), kWit, {36, 36, 14, 14}), 0);
    EXPECT_EQ(PixelsNiet(o.Doek(), kWit, {186, 36, 14, 14}), 0);
    EXPECT_EQ(PixelsNiet(o.Doek(), qRgb(0, 0, 0), {100, 36, 50, 14}), 0);  // a move draws no line

    o.venster.HScroll->setValue(99);
    ExpectMenging(o.Doek(), qRgb(0, 0, 0), 99);
}

TEST(Transparant, EachShiftMovesTheCanvasFifteenPixelsItsWayAndLeavesTheUncoveredStrip)
{
    struct {
        int index;
        QPoint verschuiving;
    } gevallen[] = {{0, {0, 15}}, {1, {0, -15}}, {2, {-15, 0}}, {3, {15, 0}}};
    Opstelling o;
    o.venster.HScroll->setValue(100);
    o.Open(Verloop());
    for (const auto& g : gevallen) {
        o.venster.MaakTransparant();
        const QImage voor = o.Doek();
        o.venster.Verschuif[g.index]->click();
        for (int y = 0; y < kHoog; ++y)
            for (int x = 0; x < kBreed; ++x) {
                const QPoint bron = QPoint(x, y) - g.verschuiving;
                const QRgb verwacht = voor.rect().contains(bron) ? voor.pixel(bron) : voor.pixel(x, y);
                ASSERT_EQ(o.Pixel(x, y), verwacht) << "index " << g.index << " at " << x << "," << y;
            }
    }
}

TEST(Transparant, ExitClosesWithoutWritingAnything)
{
    Opstelling o;
    o.venster.show();
    o.Open(Effen(Qt::red));
    o.venster.CancelKnop->click();
    EXPECT_FALSE(o.venster.isVisible());
    EXPECT_TRUE(QDir(o.map.file(QStringLiteral("Backgrounds"))).isEmpty());
    EXPECT_TRUE(o.prompts.gevraagd.empty());
}

}  // namespace

TEST(Transparant, EscapeKeepsTheWindowAndCancelStillCloses)
{
    Opstelling o;
    o.venster.show();
    QWidget* doel = o.venster.focusWidget() ? o.venster.focusWidget() : &o.venster;
    QTest::keyClick(doel, Qt::Key_Escape);
    EXPECT_TRUE(o.venster.isVisible());
    o.venster.CancelKnop->click();
    EXPECT_FALSE(o.venster.isVisible());
}
