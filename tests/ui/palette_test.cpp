#include "invoice/algemeen.h"
#include "ui/dialogs/mijndata.h"
#include "ui/main/palette.h"

#include "hoofdvenster.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The middle of where a colour lies in the palette picture (QTest takes a
// null point for the middle of the widget, so the corner is no good).
QPoint PlekVan(const QColor& kleur)
{
    const QImage plaatje = PaletPlaatje();
    QRect veld;
    for (int y = 0; y < plaatje.height(); ++y)
        for (int x = 0; x < plaatje.width(); ++x)
            if (plaatje.pixelColor(x, y) == kleur)
                veld |= QRect(x, y, 1, 1);
    return veld.isNull() ? QPoint(-1, -1) : veld.center();
}

QColor Achtergrond(const QWidget* w)
{
    return w->palette().color(QPalette::Window);
}

}  // namespace

TEST(Kleuren, HexTextOfAColour)
{
    struct { int r, g, b; const char* hex; } gevallen[] = {
        {255, 255, 255, "FFFFFF"}, {5, 10, 200, "050AC8"}, {0, 0, 0, "000000"},
        {240, 250, 140, "F0FA8C"}, {16, 15, 1, "100F01"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(RgbNaarHex(g.r, g.g, g.b), QString::fromLatin1(g.hex));
}

TEST(Kleuren, HoverHintNamesTheColourWithABlankAtBothEnds)
{
    EXPECT_EQ(KleurHint(QColor(240, 250, 140)), QStringLiteral(" 240,250,140 / #F0FA8C "));
    EXPECT_EQ(KleurHint(QColor(5, 10, 200)), QStringLiteral(" 5,10,200 / #050AC8 "));
    EXPECT_EQ(KleurHint(QColor(255, 255, 255)), QStringLiteral(" 255,255,255 / #FFFFFF "));
}

TEST(Kleuren, ThePictureFillsThePaletteAreaAndHoldsTheUsualColours)
{
    const QImage plaatje = PaletPlaatje();
    EXPECT_EQ(plaatje.size(), QSize(192, 169));
    for (const QColor& kleur : {QColor(255, 255, 255), QColor(240, 250, 140), QColor(0, 0, 0)})
        EXPECT_NE(PlekVan(kleur), QPoint(-1, -1)) << kleur.name().toStdString();
    EXPECT_EQ(PaletPlaatje(), plaatje);  // a fixed picture
}

TEST(Kleuren, WindowLayout)
{
    Venster o;
    Kleuren palet(*o.main, o.factuur);
    EXPECT_EQ(palet.windowTitle(), QStringLiteral("Kleurenpalet"));
    EXPECT_EQ(palet.size(), QSize(213, 215));
    EXPECT_EQ(palet.Picture2->geometry(), QRect(6, 6, 200, 177));
    EXPECT_EQ(palet.Picture1->geometry(), QRect(2, 2, 192, 169));
    EXPECT_EQ(palet.Picture3->geometry(), QRect(6, 186, 200, 21));
    EXPECT_EQ(palet.Picture3->text(), QStringLiteral("Klik met de linkermuistoets op een kleur."));
}

TEST(Kleuren, MovingOverThePaletteChangesOnlyTheHint)
{
    Venster o;
    Kleuren palet(*o.main, o.factuur);
    palet.show();
    const QPoint wit = PlekVan(Qt::white);
    QTest::mouseMove(palet.Picture1, wit);
    EXPECT_EQ(palet.Picture1->toolTip(), QStringLiteral(" 255,255,255 / #FFFFFF "));
    QTest::mouseMove(palet.Picture1, PlekVan(QColor(240, 250, 140)));
    EXPECT_EQ(palet.Picture1->toolTip(), QStringLiteral(" 240,250,140 / #F0FA8C "));
    EXPECT_EQ(o.factuur.KleurR, 240);
    EXPECT_EQ(o.factuur.KleurB, 140);
    EXPECT_EQ(Achtergrond(o.main->Frame1), QColor(240, 250, 140));
    EXPECT_TRUE(palet.isVisible());

    palet.reject();   // closed without a click: nothing changes
    EXPECT_EQ(o.factuur.KleurG, 250);
}

TEST(Kleuren, APickSetsTheSchemeRepaintsMainAndReachesLaterDialogs)
{
    Venster o;
    o.main->move(100, 50);
    o.main->show();
    ASSERT_TRUE(o.main->ToolsColorsWijzigen->isEnabled());
    QPoint geplaatst;
    QTimer::singleShot(0, [&] {
        auto* palet = qobject_cast<Kleuren*>(QApplication::activeModalWidget());
        ASSERT_NE(palet, nullptr);
        geplaatst = palet->pos() - o.main->frameGeometry().topLeft();
        QTest::mouseClick(palet->Picture1, Qt::RightButton, {}, PlekVan(Qt::white));   // any button picks
    });
    o.main->ToolsColorsWijzigen->trigger();   // returns when the palette has closed
    EXPECT_EQ(geplaatst, QPoint(80, 40));
    EXPECT_EQ(o.factuur.KleurR, 255);
    EXPECT_EQ(o.factuur.KleurG, 255);
    EXPECT_EQ(o.factuur.KleurB, 255);
    for (const QWidget* w : {o.main->centralWidget(), static_cast<QWidget*>(o.main->Frame1),
                             static_cast<QWidget*>(o.main->Frame2), static_cast<QWidget*>(o.main->Frame3)})
        EXPECT_EQ(Achtergrond(w), QColor(Qt::white));

    o.factuur.MijndataModus = 1;
    Mijndata later(*o.main, o.factuur, o.prompts, o.map.path());
    EXPECT_EQ(Achtergrond(&later), QColor(Qt::white));
    EXPECT_EQ(Achtergrond(later.Frame1), QColor(Qt::white));
}
