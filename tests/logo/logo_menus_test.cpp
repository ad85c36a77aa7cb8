#include "logo/logo_form.h"

#include "imaging/canvas_paint.h"
#include "imaging/filter_engine.h"
#include "imaging/mirrors.h"
#include "logo/beeld_pixels.h"
#include "logo_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace logotest;
using imaging::Pixels;

std::function<void(Pixels&)> Filter(int nummer, std::int32_t param)
{
    return [=](Pixels& p) { imaging::Filters().FilterToepassen(nummer, p, param); };
}

QStringList Titels(const QMenu* menu)
{
    QStringList titels;
    for (const QAction* a : menu->actions())
        titels << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return titels;
}

TEST(LogoMenus, EveryItemChangesTheCanvasAsTheImagingFunctionDoesAndUndoGoesBack)
{
    Venster v;
    LogoForm& f = *v.form;
    f.Voorkant->Staat().VulKleur = {0, 200, 100};
    f.Voorkant->Staat().TekenKleur = {90, 0, 0};
    const imaging::Kleur vul{0, 200, 100};
    const imaging::Kleur teken{90, 0, 0};
    struct Geval {
        const char* naam;
        QAction* item;
        std::function<void(Pixels&)> verwacht;
    } gevallen[] = {
        {"Grayscale", f.EditConvert[0], Filter(12, 0)},
        {"Negative", f.EditConvert[1], Filter(2, 0)},
        {"Light", f.EditConvert[2], Filter(14, 4)},
        {"Dark", f.EditConvert[3], Filter(14, -4)},
        {"Sharpen", f.EditConvert[4], Filter(1, 10)},
        {"Contrast Positive", f.EditContrastConvert[1], Filter(17, 10)},
        {"Contrast Negative", f.EditContrastConvert[2], Filter(17, -10)},
        {"Pixelize", f.EditConvert[6], Filter(15, 3)},
        {"Relief", f.EditConvert[7], Filter(13, 0)},
        {"BRG", f.EditSwap[1], Filter(16, 1)},
        {"GBR", f.EditSwap[2], Filter(16, 2)},
        {"RBG", f.EditSwap[3], Filter(16, 3)},
        {"BGR", f.EditSwap[4], Filter(16, 4)},
        {"GRB", f.EditSwap[5], Filter(16, 5)},
        {"Scattered", f.EditConvert[9], Filter(23, 15)},
        {"Blur", f.EditConvert[10], Filter(3, 0)},
        {"Aquarel", f.EditConvert[11], Filter(24, 0)},
        {"Edge", f.EditConvert[14], Filter(6, 1)},
        {"Contour", f.EditConvert[15], Filter(7, 16777215)},
        {"Transparant", f.EditConvert[16], [&](Pixels& p) { imaging::TransparantRaster(p, vul); }},
        {"Sepia", f.EditConvert[17], [](Pixels& p) { Filter(12, 0)(p); imaging::SepiaKleuren(p); }},
        {"Flip Horizontaal", f.EditFlipConvert[0], imaging::SpiegelHorizontaal},
        {"Flip Vertikaal", f.EditFlipConvert[1], imaging::SpiegelVertikaal},
        {"Flip Rechts", f.EditFlipConvert[2], imaging::SpiegelRechts},
        {"Flip Boven", f.EditFlipConvert[3], imaging::SpiegelBoven},
        {"Kader 1", f.Kader[1], [&](Pixels& p) { imaging::Kader(p, 1, teken, 1); }},
        {"Kader 5", f.Kader[5], [&](Pixels& p) { imaging::Kader(p, 5, teken, 1); }},
    };
    const QImage begin = Verloop();
    for (const auto& g : gevallen) {
        f.Voorkant->ZetBeeld(begin);
        Pixels verwacht = NaarPixels(begin);
        g.verwacht(verwacht);
        g.item->trigger();
        EXPECT_EQ(f.Voorkant->Beeld(), NaarBeeld(verwacht)) << g.naam;
        EXPECT_NE(f.Voorkant->Beeld(), begin) << g.naam;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << g.naam;
        f.EditUndo_Click();
        EXPECT_EQ(f.Voorkant->Beeld(), begin) << g.naam;
    }

    // The random filters change the picture and can be undone too.
    for (QAction* item : {f.EditConvert[12], f.EditConvert[13]}) {
        f.Voorkant->ZetBeeld(begin);
        item->trigger();
        EXPECT_GT(AantalVerschillend(f.Voorkant->Beeld(), begin), 1000) << item->text().toStdString();
        f.EditUndo_Click();
        EXPECT_EQ(f.Voorkant->Beeld(), begin);
    }
}

TEST(LogoMenus, CaptionsInTheirOrder)
{
    Venster v;
    LogoForm& f = *v.form;
    QStringList balk;
    for (const QAction* a : f.Menu->actions())
        balk << a->text();
    EXPECT_EQ(balk, (QStringList{"File", "Bewerken", "|", "*.*"}));
    EXPECT_EQ(Titels(f.Menu->actions()[0]->menu()), (QStringList{"Nieuw", "Logo Opslaan"}));
    EXPECT_EQ(Titels(f.Menu->actions()[1]->menu()), (QStringList{"Undo", "Filters", "Kader", "Vulstijl", "Grootte Gum"}));
    EXPECT_EQ(Titels(f.EditBewerken),
              (QStringList{"Grayscale", "Negative", "Light", "Dark", "Sharpen", "Contrast", "Pixelize",
                           QString::fromUtf8("Reliëf"), "Swap Colors", "Scattered", "Blur", "Aquarel", "Defuse",
                           "Add noise", "Edge", "Contour", "Transparant", "Sepia", "-", "Flip Horizontaal",
                           "Flip Vertikaal", "Flip Rechts", "Flip Boven"}));
    EXPECT_EQ(Titels(f.EditConvert[5]->menu()), (QStringList{"Positive", "Negative"}));
    EXPECT_EQ(Titels(f.EditConvert[8]->menu()),
              (QStringList{"RGB --> BRG", "RGB --> GBR", "RGB --> RBG", "RGB --> BGR", "RGB --> GRB"}));
    EXPECT_EQ(Titels(f.EditKader), (QStringList{"1 pixels", "2 pixels", "3 pixels", "4 pixels", "5 pixels"}));
    EXPECT_EQ(Titels(f.EditVulstijl), (QStringList{"Solid Filling", "Horizontal Lines", "Vertical Lines",
                                                   "Upward Diagonal", "Downward Diagonal", "Cross", "Diagonal Cross"}));
    EXPECT_EQ(Titels(f.EditGum), (QStringList{"10 pixels", "15 pixels", "20 pixels", "25 pixels", "30 pixels"}));
}

TEST(LogoMenus, FillStyleAndEraserSizeCarryOneCheckMark)
{
    Venster v;
    LogoForm& f = *v.form;
    const auto aangevinkt = [](const QMenu* menu) {
        QStringList namen;
        for (const QAction* a : menu->actions())
            if (a->isChecked())
                namen << a->text();
        return namen;
    };
    EXPECT_EQ(aangevinkt(f.EditVulstijl), QStringList{"Solid Filling"});
    EXPECT_EQ(aangevinkt(f.EditGum), QStringList{"10 pixels"});

    f.editfill[5]->trigger();
    EXPECT_EQ(f.Voorkant->Staat().VulStijl, 5);
    EXPECT_EQ(aangevinkt(f.EditVulstijl), QStringList{"Downward Diagonal"});
    f.editfill[5]->trigger();  // choosing it again keeps it chosen
    EXPECT_EQ(aangevinkt(f.EditVulstijl), QStringList{"Downward Diagonal"});
    f.editfill[0]->trigger();
    EXPECT_EQ(f.Voorkant->Staat().VulStijl, 0);

    f.EditGom[25]->trigger();
    EXPECT_EQ(f.Voorkant->Staat().GumGrootte, 25);
    EXPECT_EQ(aangevinkt(f.EditGum), QStringList{"25 pixels"});
    EXPECT_EQ(f.Voorkant->Gom->size(), QSize(25, 25));
}

TEST(LogoMenus, AFilterChosenWhileAnotherRunsDoesNothingAndClosingMidwayIsSafe)
{
    Venster v;
    LogoForm& f = *v.form;
    f.Voorkant->ZetBeeld(Verloop());
    Pixels verwacht = NaarPixels(Verloop());
    Filter(24, 0)(verwacht);
    // Runs from the event processing after the first row of Aquarel.
    QTimer::singleShot(0, &f, [&] { f.EditConvert[1]->trigger(); });
    f.EditConvert[11]->trigger();
    EXPECT_EQ(f.Voorkant->Beeld(), NaarBeeld(verwacht));
    f.EditUndo_Click();  // the snapshot the second item took
    EXPECT_EQ(f.Voorkant->Beeld(), Verloop());

    auto* weg = new LogoForm(v.factuur, v.prompts, v.map.path());
    weg->Voorkant->ZetBeeld(Verloop());
    QTimer::singleShot(0, [&] { delete weg; });
    weg->EditConvert_Click(11);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(LogoForm, ToolButtonsHintsAndColourSwatches)
{
    Venster v;
    v.factuur.KleurR = 240, v.factuur.KleurG = 250, v.factuur.KleurB = 140;
    v.form = std::make_unique<LogoForm>(v.factuur, v.prompts, v.map.path());
    LogoForm& f = *v.form;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Logo's Ontwerpen"));
    // The window, its panels and the check boxes in the invoice's colour scheme.
    const QImage venster = f.grab().toImage();
    for (const QWidget* w : {static_cast<QWidget*>(f.Frame3), static_cast<QWidget*>(f.CheckBold),
                             static_cast<QWidget*>(f.Check2)})
        EXPECT_EQ(venster.pixel(w->mapTo(&f, QPoint(w->width() - 4, w->height() / 2))), qRgb(240, 250, 140))
            << w->metaObject()->className();
    EXPECT_EQ(f.InfoLabel->text(), QStringLiteral("Informatie..."));
    f.Knop_Click(9);
    EXPECT_EQ(f.InfoLabel->text(), QStringLiteral("Linkermuisknop is tekenkleur, rechtermuisknop is vulkleur opvragen."));
    f.Knop[6]->click();
    EXPECT_EQ(f.Voorkant->Staat().Gereedschap, 7);
    EXPECT_EQ(f.InfoLabel->text(), QStringLiteral("Linkermuisknop is vullen van vlakken met de vulkleur."));
    EXPECT_TRUE(f.Knop[6]->isChecked());
    EXPECT_FALSE(f.Knop[9]->isChecked());
    EXPECT_TRUE(f.Voorkant->Gom->isHidden());
    f.Knop[8]->click();
    EXPECT_FALSE(f.Voorkant->Gom->isHidden());
    EXPECT_EQ(f.InfoLabel->text(), QStringLiteral("Verwijderen van vlakken."));
    Beweeg(f.Voorkant, {120, 45});
    EXPECT_EQ(f.InfoLabel->text(), QStringLiteral("Coordinaten : X = 120, Y = 45"));

    f.Slider1->setValue(7);
    EXPECT_EQ(f.Label7->text(), QStringLiteral("Lijndikte : 7"));

    // The colour dialog: a cancel changes nothing, a choice goes to its own colour.
    std::optional<QColor> antwoord;
    QColor gevraagd;
    f.KiesKleur = [&](const QColor& huidig) {
        gevraagd = huidig;
        return antwoord;
    };
    f.Label3->click();
    EXPECT_EQ(gevraagd, QColor(Qt::black));
    EXPECT_EQ(f.Voorkant->Staat().TekenKleur, (imaging::Kleur{0, 0, 0}));
    antwoord = QColor(12, 34, 56);
    f.Label4->click();
    EXPECT_EQ(gevraagd, QColor(Qt::yellow));
    EXPECT_EQ(f.Voorkant->Staat().VulKleur, (imaging::Kleur{12, 34, 56}));
    EXPECT_EQ(f.Voorkant->Staat().TekenKleur, (imaging::Kleur{0, 0, 0}));
    EXPECT_TRUE(f.Label4->styleSheet().contains(QStringLiteral("#0c2238")));

    // The picker's colour shows in its swatch too.
    f.Knop[9]->click();
    f.Voorkant->ZetBeeld(Effen(QColor(200, 10, 10)));
    Klik(f.Voorkant, {50, 50});
    EXPECT_TRUE(f.Label3->styleSheet().contains(QStringLiteral("#c80a0a")));
}

}  // namespace

TEST(LogoForm, EscapeKeepsTheUnsavedDrawingAndCancelStillCloses)
{
    logotest::Venster v;
    v.form->show();
    QWidget* doel = v.form->focusWidget() ? v.form->focusWidget() : v.form.get();
    QTest::keyClick(doel, Qt::Key_Escape);
    EXPECT_TRUE(v.form->isVisible());
    v.form->CancelKnop->click();
    EXPECT_FALSE(v.form->isVisible());
}
