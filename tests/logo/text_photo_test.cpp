#include "logo/logo_form.h"
#include "logo/logo_tekst.h"

#include "logo_test_support.h"
#include "support/recording_surface.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <random>

namespace {

using namespace logotest;

TEST(MaakTekst, ShadowFirstThenTheBorderRoundTheTextThenTheText)
{
    RecordingSurface vlak;
    TekstOpmaak opmaak;
    opmaak.grootte = 20;
    opmaak.vet = true;
    opmaak.rand = true;
    opmaak.schaduw = true;
    opmaak.tekenKleur = {0, 0, 255};
    opmaak.vulKleur = {255, 255, 0};
    MaakTekst(vlak, opmaak, 100, 40, QStringLiteral("Quillet"));

    QStringList verwacht = {"font Arial", "size 20", "bold 1", "italic 0", "underline 0"};
    for (int i = 8; i >= 1; --i) {
        const int g = 180 + 6 * i;
        verwacht << QStringLiteral("color (%1,%1,%1)").arg(g) << QStringLiteral("at %1,%2").arg(100 + i).arg(40 + i)
                 << "print Quillet";
    }
    verwacht << "color (0,0,255)";
    for (const auto& [dx, dy] : {std::pair{0, -2}, {1, -1}, {2, 0}, {1, 1}, {0, 2}, {-1, 1}, {-2, 0}, {-1, -1}, {0, -2}})
        verwacht << QStringLiteral("at %1,%2").arg(100 + dx).arg(40 + dy) << "print Quillet";
    verwacht << "color (255,255,0)" << "at 100,40" << "print Quillet";
    EXPECT_EQ(vlak.calls, verwacht);

    RecordingSurface kaal;
    opmaak.rand = opmaak.schaduw = false;
    MaakTekst(kaal, opmaak, -30, -5, QStringLiteral("x"));
    EXPECT_EQ(kaal.calls.mid(5), (QStringList{"color (0,0,255)", "color (255,255,0)", "at -30,-5", "print x"}));
}

TEST(MaakTekst, TheSizeIsAnyPositiveNumberOfPoints)
{
    struct {
        const char* tekst;
        std::optional<double> grootte;
    } gevallen[] = {{"12", 12}, {" 37 ", 37}, {"10,5", 10.5}, {"0", {}}, {"-4", {}}, {"groot", {}}, {"", {}}, {"5000", {}}};
    for (const auto& g : gevallen)
        EXPECT_EQ(LetterGrootte(QString::fromLatin1(g.tekst)), g.grootte) << g.tekst;
}

// The text as the description prints it, with a plain painter.
QImage TekstOpWit(const QFont& font, int cX, int cY, const QString& Cs, QColor rand, QColor vul)
{
    QImage beeld = Effen(Qt::white);
    QPainter p(&beeld);
    p.setFont(font);
    const double stijging = QFontMetricsF(font, &beeld).ascent();
    const auto print = [&](int x, int y, const QColor& k) {
        p.setPen(k);
        p.drawText(QPointF(x, y + stijging), Cs);
    };
    for (int i = 8; i >= 1; --i)
        print(cX + i, cY + i, QColor(180 + 6 * i, 180 + 6 * i, 180 + 6 * i));
    for (const auto& [dx, dy] : {std::pair{0, -2}, {1, -1}, {2, 0}, {1, 1}, {0, 2}, {-1, 1}, {-2, 0}, {-1, -1}, {0, -2}})
        print(cX + dx, cY + dy, rand);
    print(cX, cY, vul);
    return beeld;
}

TEST(LogoForm, TextIsPrintedWhereTheNextClickPutsThePreview)
{
    Venster v;
    LogoForm& f = *v.form;
    f.ListFonts->setCurrentText(QStringLiteral("Arial"));
    f.ComboSize->setCurrentText(QStringLiteral("22"));
    f.Text1->setText(QStringLiteral("Bakkerij"));
    f.CheckBold->setChecked(true);
    f.Check1->setChecked(true);
    f.Check2->setCheckState(Qt::PartiallyChecked);  // greyed counts as ticked
    f.Voorkant->Staat().TekenKleur = {0, 0, 160};
    f.Knop_Click(0);

    f.PlaatsKnop_Click();
    QLabel* voorbeeld = f.Voorkant->Label12;
    EXPECT_TRUE(f.Voorkant->Staat().TekstPlaatsen);
    EXPECT_EQ(voorbeeld->text(), QStringLiteral(" Bakkerij"));
    EXPECT_FALSE(voorbeeld->isHidden());
    EXPECT_EQ(f.Voorkant->Staat().Gereedschap, 0);
    EXPECT_EQ(f.InfoLabel->text(), QStringLiteral("Klik op de linkermuisknop om de tekst te plaatsen..."));

    f.Knop_Click(2);  // choosing a tool does not end the placement
    Beweeg(f.Voorkant, {400, 110});
    EXPECT_EQ(voorbeeld->geometry().bottomRight(), QPoint(400 - 6, 110 - 6));
    Sleep(f.Voorkant, {400, 110}, {450, 120});  // would draw a rectangle without the text

    const int cX = 450 - voorbeeld->width() - 5;
    const int cY = 120 - voorbeeld->height() - 5;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(22);
    font.setBold(true);
    EXPECT_EQ(f.Voorkant->Beeld(), TekstOpWit(font, cX, cY, QStringLiteral("Bakkerij"), QColor(0, 0, 160), Qt::yellow));
    EXPECT_TRUE(voorbeeld->isHidden());
    EXPECT_FALSE(f.Voorkant->Staat().TekstPlaatsen);
    EXPECT_EQ(f.InfoLabel->text(), QStringLiteral("Informatie..."));

    // The placement started with a snapshot of the canvas before the text.
    f.EditUndo_Click();
    EXPECT_EQ(f.Voorkant->Beeld(), Effen(Qt::white));
}

TEST(LogoForm, PlacingStartsOnlyWithTextAndAUsableSize)
{
    Venster v;
    LogoForm& f = *v.form;
    for (const char* tekst : {"", "    "}) {
        f.Text1->setText(QString::fromLatin1(tekst));
        f.PlaatsKnop_Click();
        EXPECT_FALSE(f.Voorkant->Staat().TekstPlaatsen) << '"' << tekst << '"';
        EXPECT_TRUE(f.Voorkant->Label12->isHidden());
    }
    f.Text1->setText(QStringLiteral("Logo"));
    f.ComboSize->setCurrentText(QStringLiteral("twaalf"));
    f.PlaatsKnop_Click();
    EXPECT_FALSE(f.Voorkant->Staat().TekstPlaatsen);
    EXPECT_EQ(f.InfoLabel->text(), QStringLiteral("Kies een lettergrootte in punten, bijvoorbeeld 12."));
    f.ComboSize->setCurrentText(QStringLiteral("150"));  // outside the list, still a size
    f.PlaatsKnop_Click();
    EXPECT_TRUE(f.Voorkant->Staat().TekstPlaatsen);
    EXPECT_EQ(f.Voorkant->Label12->font().pointSizeF(), 150);
}

TEST(LogoForm, ASizeTypedIsUsedAsTyped)
{
    Venster v;
    LogoForm& f = *v.form;
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.Text1->setText(QStringLiteral("Logo"));
    for (const char* grootte : {"7", "1", "3", "9", "14"}) {
        f.ComboSize->lineEdit()->clear();
        f.ComboSize->lineEdit()->setFocus();
        QTest::keyClicks(f.ComboSize->lineEdit(), QString::fromLatin1(grootte));
        f.PlaatsKnop_Click();
        EXPECT_EQ(f.Voorkant->Label12->font().pointSizeF(), QString::fromLatin1(grootte).toDouble()) << grootte;
    }
}

QString SchrijfFoto(const TempProgramFolder& map, const QString& naam, const QImage& foto)
{
    const QString pad = map.file(naam);
    foto.save(pad);
    return pad;
}

TEST(LogoForm, APhotoIsStretchedIntoTheDraggedRectangle)
{
    Venster v;
    LogoForm& f = *v.form;
    QImage foto(40, 20, QImage::Format_RGB32);
    foto.fill(Qt::red);
    for (int y = 0; y < 20; ++y)
        for (int x = 20; x < 40; ++x)
            foto.setPixel(x, y, qRgb(0, 0, 255));
    const QString pad = SchrijfFoto(v.map, QStringLiteral("Vakantie.BMP"), foto);
    f.KiesFotoBestand = [&] { return pad; };

    f.Knop_Click(11);
    Sleep(f.Voorkant, {100, 10}, {{130, 50}}, {180, 30});
    QImage verwacht = Effen(Qt::white);
    QPainter(&verwacht).fillRect(100, 10, 40, 20, Qt::red);
    QPainter(&verwacht).fillRect(140, 10, 40, 20, Qt::blue);
    EXPECT_EQ(f.Voorkant->Beeld(), verwacht);
    EXPECT_EQ(f.NaamFoto->text(), pad.toLower() + QStringLiteral(" / 40 x 20 pixels"));
    EXPECT_EQ(f.Voorkant->Staat().Gereedschap, 0);
    EXPECT_TRUE(f.Voorkant->Layer->isHidden());

    // A rectangle one pixel wide and high still takes the whole picture.
    QImage groen(30, 30, QImage::Format_RGB32);
    groen.fill(Qt::green);
    const QString groenPad = SchrijfFoto(v.map, QStringLiteral("groen.png"), groen);
    f.KiesFotoBestand = [&] { return groenPad; };
    f.Knop_Click(11);
    Sleep(f.Voorkant, {300, 60}, {301, 61});
    verwacht.setPixel(300, 60, qRgb(0, 255, 0));
    EXPECT_EQ(f.Voorkant->Beeld(), verwacht);

    // A photo larger than its rectangle is reduced into it.
    QImage groot(400, 200, QImage::Format_RGB32);
    groot.fill(Qt::red);
    QPainter(&groot).fillRect(200, 0, 200, 200, Qt::blue);
    const QString grootPad = SchrijfFoto(v.map, QStringLiteral("groot.png"), groot);
    f.KiesFotoBestand = [&] { return grootPad; };
    f.Knop_Click(11);
    Sleep(f.Voorkant, {500, 50}, {540, 70});
    const QImage na = f.Voorkant->Beeld();
    EXPECT_EQ(Verschil(verwacht, na), QRect(500, 50, 40, 20));
    EXPECT_EQ(na.pixel(505, 55), qRgb(255, 0, 0));
    EXPECT_EQ(na.pixel(535, 65), qRgb(0, 0, 255));
    EXPECT_EQ(f.NaamFoto->text(), grootPad.toLower() + QStringLiteral(" / 400 x 200 pixels"));
    verwacht = na;

    // Cancelling the file dialog changes nothing and keeps the tool.
    f.KiesFotoBestand = [] { return QString(); };
    f.Knop_Click(11);
    Sleep(f.Voorkant, {400, 60}, {450, 100});
    EXPECT_EQ(f.Voorkant->Beeld(), verwacht);
    EXPECT_EQ(f.Voorkant->Staat().Gereedschap, 12);
}

TEST(LogoForm, AFileThatIsNoPictureLeavesTheCanvasAsItWas)
{
    Venster v;
    LogoForm& f = *v.form;
    const QImage voor = Verloop();
    f.Voorkant->ZetBeeld(voor);

    QByteArray bmp;
    {
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        Effen(Qt::red, {50, 50}).save(&buffer, "BMP");
    }
    QByteArray ruis(4000, '\0');
    std::mt19937 gen(7);
    for (char& b : ruis)
        b = static_cast<char>(gen());
    QByteArray reus = bmp.left(54);
    reus[18] = reus[19] = reus[20] = 0x7F;  // width and height far beyond any screen
    reus[22] = reus[23] = reus[24] = 0x7F;
    const std::pair<const char*, QByteArray> bestanden[] = {
        {"leeg.jpg", {}},
        {"ruis.gif", ruis},
        {"afgebroken.bmp", bmp.left(bmp.size() / 3)},
        {"alleen-kop.bmp", bmp.left(60)},
        {"reus.bmp", reus},
        {"tekst.jpg", "Geen foto"},
        {"tekening.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4) + ruis},
    };
    for (const auto& [naam, bytes] : bestanden) {
        v.map.write(QString::fromLatin1(naam), bytes);
        const QString pad = v.map.file(QString::fromLatin1(naam));
        f.KiesFotoBestand = [&] { return pad; };
        f.Knop_Click(11);
        Sleep(f.Voorkant, {100, 10}, {300, 100});
        EXPECT_EQ(f.Voorkant->Beeld(), voor) << naam;
        EXPECT_EQ(f.NaamFoto->text(), QStringLiteral("*.*")) << naam;
    }
    f.KiesFotoBestand = [&] { return v.map.file(QStringLiteral("bestaat-niet.jpg")); };
    Sleep(f.Voorkant, {100, 10}, {300, 100});
    EXPECT_EQ(f.Voorkant->Beeld(), voor);
}

}  // namespace
