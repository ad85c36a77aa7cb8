#include "invoice/address_file.h"
#include "invoice/algemeen.h"
#include "invoice/plaatjes.h"
#include "invoice/settings_file.h"
#include "platform/pictures.h"
#include "ui/dialogs/mijndata.h"
#include "ui/main/main_window.h"

#include "support/bitmap.h"
#include "support/rij_oogt_gekozen.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

const QString kAanhalingstekens = QStringLiteral("Géén aanhalingstekens \" of ' gebruiken in de teksten.\n");

// A program folder, the main window loaded from it and the dialog on top.
struct Opstelling {
    TempProgramFolder map;
    Factuur factuur;
    ScriptedPrompts prompts;
    std::unique_ptr<Main> main;
    std::unique_ptr<Mijndata> dialoog;
    int gesloten = 0;

    Opstelling() { main = std::make_unique<Main>(factuur, prompts, map.path()); }

    Mijndata& Open(int modus)
    {
        factuur.MijndataModus = static_cast<std::uint8_t>(modus);
        dialoog = std::make_unique<Mijndata>(*main, factuur, prompts, map.path());
        QObject::connect(dialoog.get(), &QDialog::finished, [this] { ++gesloten; });
        return *dialoog;
    }

    void Plaatje(const QString& naam, const QImage& plaatje) const
    {
        ASSERT_TRUE(BewaarBmp(plaatje, map.file(naam)));
    }

    QStringList Namen() const
    {
        QStringList namen;
        for (int i = 0; i < dialoog->List1->count(); ++i)
            namen << dialoog->List1->item(i)->text();
        return namen;
    }

    void Kies(const QString& naam) const
    {
        const auto gevonden = dialoog->List1->findItems(naam, Qt::MatchExactly);
        ASSERT_EQ(gevonden.size(), 1);
        dialoog->List1->setCurrentItem(gevonden[0]);
    }
};

QImage Effen(QColor kleur, int breed = 40, int hoog = 30)
{
    QImage plaatje(breed, hoog, QImage::Format_RGB32);
    plaatje.fill(kleur);
    return plaatje;
}

// A logo whose last ten of 625 columns are red: scaled to the box's 391
// pixels they reach its last pixel column; scaled to 400 they fall beyond it.
QImage LogoMetRodeRand()
{
    QImage logo = Effen(Qt::blue, 625, 125);
    for (int y = 0; y < 125; ++y)
        for (int x = 615; x < 625; ++x)
            logo.setPixel(x, y, qRgb(255, 0, 0));
    return logo;
}

QRgb LogoPixel(const Main& m, int x, int y)
{
    return m.Pic->LogoLabel->pixmap().toImage().pixel(x, y);
}

}  // namespace

TEST(Mijndata, EachTaskLoadsItsCaptionHintAndControls)
{
    struct {
        int modus;
        QString titel;
        QString hint;
        bool adresKnoppen;
        bool lijst;
    } taken[] = {
        {1, " Mijn gegevens", kAanhalingstekens + "Maximaal 6 regels tekst invullen.", false, false},
        {2, " Adres gegevens", kAanhalingstekens + "Maximaal 4 regels tekst per adres invullen.", true, false},
        {3, " Achtergrond Openen",
         "Dubbelklik op naam is achtergrond exporteren naar factuur,\ngéén naam selecteren is geen achtergrond.", false,
         true},
        {4, " Logo Openen", "Dubbelklik op naam is logo exporteren naar factuur,\ngéén naam selecteren is geen logo.",
         false, true},
    };
    Opstelling o;
    o.factuur.KleurR = 11;
    o.factuur.KleurG = 22;
    o.factuur.KleurB = 33;
    for (const auto& t : taken) {
        Mijndata& d = o.Open(t.modus);
        EXPECT_EQ(d.windowTitle(), t.titel);
        EXPECT_EQ(d.Label5->text(), t.hint) << t.modus;
        for (QWidget* w : {static_cast<QWidget*>(d.Label4), static_cast<QWidget*>(d.AddKnop),
                           static_cast<QWidget*>(d.OpenKnop)})
            EXPECT_EQ(w->isVisibleTo(&d), t.adresKnoppen) << t.modus;
        EXPECT_EQ(d.List1->isVisibleTo(&d), t.lijst) << t.modus;
        EXPECT_EQ(d.Text1->isVisibleTo(&d), !t.lijst) << t.modus;
        EXPECT_EQ(d.palette().color(QPalette::Window), QColor(11, 22, 33));
        EXPECT_EQ(d.Frame1->palette().color(QPalette::Window), QColor(11, 22, 33));
    }
    Mijndata& d = o.Open(1);
    EXPECT_EQ(d.Tekst(), kVoorbeeldAfzender);
    EXPECT_EQ(o.Open(2).Tekst(), kVoorbeeldAdres);
    EXPECT_EQ(o.dialoog->Text1->palette().color(QPalette::Base), QColor(230, 230, 180));
    EXPECT_EQ(o.dialoog->List1->palette().color(QPalette::Base), QColor(180, 230, 230));
    EXPECT_EQ(o.dialoog->List1->geometry(), o.dialoog->Text1->geometry());
    EXPECT_EQ(o.dialoog->Text1->geometry(), QRect(10, 16, 361, 130));
    EXPECT_EQ(o.dialoog->AddKnop->toolTip(), QStringLiteral(" Nieuwe adres opslaan "));
    EXPECT_EQ(o.dialoog->OpenKnop->toolTip(), QStringLiteral(" Adressenbestand openen "));
    EXPECT_EQ(o.dialoog->OkKnop->toolTip(), QStringLiteral(" Adres of afbeelding  exporteren "));
    EXPECT_EQ(o.dialoog->CancelKnop->text(), QStringLiteral("Cancel"));
}

TEST(Mijndata, LineLimitsCountDisplayedLinesWithText)
{
    const QString lang = QStringLiteral("Een regel die zo lang is dat het tekstvak hem zeker over twee regels "
                                        "moet verdelen, want hij past nooit op een enkele regel");
    struct {
        int modus;
        QString tekst;
        bool geaccepteerd;
    } cases[] = {
        {1, "1\r\n2\r\n3\r\n4\r\n5\r\n6", true},
        {1, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7", false},
        {1, "1\r\n\r\n2\r\n\r\n3\r\n  \r\n4\r\n\r\n5\r\n\r\n6\r\n", true},   // blank lines do not count
        {1, "1\r\n2\r\n3\r\n4\r\n" + lang, true},
        {1, "1\r\n2\r\n3\r\n4\r\n5\r\n" + lang, false},                    // the wrapped line counts twice
        {2, "1\r\n2\r\n3\r\n4", true},
        {2, "1\r\n2\r\n3\r\n4\r\n5", false},
        {2, "1\r\n\r\n2\r\n\r\n3\r\n\r\n4\r\n", true},
        {2, "1\r\n2\r\n" + lang, true},
        {2, "1\r\n2\r\n3\r\n" + lang, false},
    };
    for (const auto& c : cases) {
        Opstelling o;
        Mijndata& d = o.Open(c.modus);
        d.ZetTekst(c.tekst);
        d.OkKnop_Click();
        const QString& veld = c.modus == 1 ? o.factuur.AfzenderTekst : o.factuur.AdresTekst;
        if (c.geaccepteerd) {
            EXPECT_EQ(o.gesloten, 1) << c.tekst.toStdString();
            EXPECT_EQ(veld, c.tekst);
            EXPECT_TRUE(o.prompts.gevraagd.empty());
        } else {
            EXPECT_EQ(o.gesloten, 0) << c.tekst.toStdString();
            EXPECT_EQ(veld, c.modus == 1 ? kVoorbeeldAfzender : kVoorbeeldAdres);
            EXPECT_EQ(d.Tekst(), c.tekst);   // stays for correction
            ASSERT_EQ(o.prompts.gevraagd.size(), 1u);
            EXPECT_EQ(o.prompts.gevraagd[0].soort, QStringLiteral("Melding"));
            EXPECT_EQ(o.prompts.gevraagd[0].tekst, c.modus == 1 ? QStringLiteral("Maximaal 6 regels tekst invoeren!")
                                                                : QStringLiteral("Maximaal 4 regels tekst invoeren!"));
        }
    }
}

TEST(Mijndata, LinesAreCountedAsTheBoxWrapsThem)
{
    Opstelling o;
    Mijndata& d = o.Open(2);
    d.show();
    const QString tekst = QStringLiteral("Aan de directie van het grote bedrijf met de lange naam, ter attentie van "
                                         "de afdeling inkoop en administratie\r\nkort\r\n") + QString(20, 'W') + " "
                          + QString(60, 'i');
    d.ZetTekst(tekst);
    QTextDocument* doc = d.Text1->document();
    doc->documentLayout()->documentSize();   // lays the document out at the box's width
    int getoond = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        getoond += b.layout()->lineCount();
    EXPECT_GT(getoond, 3);
    EXPECT_DOUBLE_EQ(d.TekstBreedte(), doc->textWidth() - 2 * doc->documentMargin());
    EXPECT_EQ(TekstRegels(d.Tekst(), d.Text1->font(), d.TekstBreedte()).size() - 1, getoond);
}

TEST(Mijndata, EmptyTextsBecomeTheirPlaceholders)
{
    struct {
        int modus;
        QString tekst;
        QString wordt;
    } cases[] = {
        {1, "   ", "Mijn gegevens"},
        {2, "", "Waar moet de factuur naar toe?"},
        {1, "  Eigen Zaak\r\nHoofdweg 3  ", "Eigen Zaak\r\nHoofdweg 3"},
        {2, " Jansen\r\n", "Jansen\r\n"},   // only blanks are trimmed
    };
    for (const auto& c : cases) {
        Opstelling o;
        o.Open(c.modus).ZetTekst(c.tekst);
        o.dialoog->OkKnop_Click();
        EXPECT_EQ(c.modus == 1 ? o.factuur.AfzenderTekst : o.factuur.AdresTekst, c.wordt);
        EXPECT_EQ((c.modus == 1 ? o.main->Pic->LabelAfz : o.main->Pic->AdresRechthoek)->Tekst(), c.wordt);
    }
}

TEST(Mijndata, AddressBookSavesListsAndOpens)
{
    Opstelling o;
    o.map.write("Adressen/Bestaand.adr", AdresBytes(QStringLiteral("Pietersen\r\nKade 2")));
    o.map.write("Adressen/Leeg.adr", "");
    o.map.write("Adressen/notities.txt", "geen adres");
    Mijndata& d = o.Open(2);
    EXPECT_EQ(d.File1, QStringList({"Bestaand.adr", "Leeg.adr"}));

    d.ZetTekst(QStringLiteral("Nieuwe Klant\r\nLaan 7"));
    o.prompts.invoer = {QStringLiteral("   "), std::nullopt, QStringLiteral("Klant ")};
    d.AddKnop_Click();   // blanks only: nothing is saved
    d.AddKnop_Click();   // cancelled
    d.AddKnop_Click();   // saved under the name as typed
    EXPECT_EQ(o.map.read("Adressen/Klant .adr"), AdresBytes(QStringLiteral("Nieuwe Klant\r\nLaan 7")));
    ASSERT_EQ(o.prompts.gevraagd.size(), 3u);
    EXPECT_EQ(o.prompts.gevraagd[0].titel, QStringLiteral(" Adres opslaan"));
    EXPECT_EQ(o.prompts.gevraagd[0].tekst, QStringLiteral("Geef een naam voor dit adres..."));
    EXPECT_EQ(o.gesloten, 0);

    d.OpenKnop_Click();
    EXPECT_EQ(o.Namen(), QStringList({"Bestaand", "Klant ", "Leeg"}));   // the one just saved is there
    EXPECT_FALSE(d.Text1->isVisibleTo(&d));
    EXPECT_TRUE(d.List1->isVisibleTo(&d));
    EXPECT_EQ(d.Label5->text(), QStringLiteral("Dubbelklik op één van bovenstaande adressen."));

    o.Kies(QStringLiteral("Bestaand"));
    d.List1_DblClick();
    EXPECT_EQ(d.Tekst(), QStringLiteral("Pietersen\r\nKade 2\r\n"));
    EXPECT_TRUE(d.Text1->isVisibleTo(&d));
    EXPECT_FALSE(d.List1->isVisibleTo(&d));
    EXPECT_EQ(d.Label5->text(), kAanhalingstekens + QStringLiteral("Maximaal 4 regels tekst per adres invullen."));
    EXPECT_EQ(o.gesloten, 0);

    d.OpenKnop_Click();
    o.Kies(QStringLiteral("Leeg"));
    d.List1_DblClick();   // a file without even its header lines opens as an empty text
    EXPECT_EQ(d.Tekst(), QString());

    d.OpenKnop_Click();
    o.Kies(QStringLiteral("Bestaand"));
    d.List1_DblClick();
    d.OkKnop_Click();
    EXPECT_EQ(o.factuur.AdresTekst, QStringLiteral("Pietersen\r\nKade 2\r\n"));
    EXPECT_EQ(o.gesloten, 1);
}

TEST(Mijndata, BackgroundIsChosenOrRemoved)
{
    Opstelling o;
    o.Plaatje("Backgrounds/rood.bmp", Effen(Qt::red));
    o.Plaatje("Backgrounds/GROEN.BMP", Effen(Qt::green));
    o.map.write("Backgrounds/kapot.bmp", "geen plaatje");
    o.map.write("Backgrounds/schets.png", "");
    const QPoint midden(10, 10);

    Mijndata& d = o.Open(3);
    EXPECT_EQ(o.Namen(), QStringList({"GROEN", "kapot", "rood"}));
    o.Kies(QStringLiteral("GROEN"));
    d.List1_DblClick();
    EXPECT_EQ(o.gesloten, 1);
    EXPECT_EQ(o.factuur.AchtergrondBestand, QStringLiteral("GROEN.BMP"));
    EXPECT_EQ(o.main->Pic->Achtergrond().pixel(midden), qRgb(0, 255, 0));

    // Not a picture: the page and the invoice keep what they had, and the user is told once.
    for (bool dubbelklik : {false, true}) {
        o.prompts.gevraagd.clear();
        o.Open(3);
        o.Kies(QStringLiteral("kapot"));
        dubbelklik ? o.dialoog->List1_DblClick() : o.dialoog->OkKnop_Click();
        EXPECT_EQ(o.factuur.AchtergrondBestand, QStringLiteral("GROEN.BMP"));
        EXPECT_EQ(o.main->Pic->Achtergrond().pixel(midden), qRgb(0, 255, 0));
        ASSERT_EQ(o.prompts.gevraagd.size(), 1u);
        EXPECT_EQ(o.prompts.gevraagd[0].titel, QStringLiteral(" Achtergrond Openen"));
        EXPECT_EQ(o.prompts.gevraagd[0].tekst, QStringLiteral("Het bestand 'kapot.bmp' is geen afbeelding die "
                                                              "Quillet kan gebruiken; de oude afbeelding blijft staan."));
    }

    o.Open(3);
    o.Kies(QStringLiteral("rood"));
    o.dialoog->OkKnop_Click();
    EXPECT_EQ(o.factuur.AchtergrondBestand, QStringLiteral("rood.bmp"));
    EXPECT_EQ(o.main->Pic->Achtergrond().pixel(midden), qRgb(255, 0, 0));

    // The current row alone is no choice: only a selected name counts.
    o.Open(3);
    o.dialoog->List1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    o.dialoog->OkKnop_Click();
    EXPECT_EQ(o.factuur.AchtergrondBestand, QString());
    EXPECT_EQ(o.main->Pic->Achtergrond(), o.dialoog->GeenAchtergrond);
    EXPECT_EQ(o.gesloten, 5);
}

TEST(Mijndata, LogoIsScaledByHowItWasChosen)
{
    Opstelling o;
    o.Plaatje("Logo/rand.bmp", LogoMetRodeRand());
    o.map.write("Logo/kapot.bmp", "geen plaatje");
    const QRgb rood = qRgb(255, 0, 0);

    Mijndata& d = o.Open(4);
    EXPECT_EQ(o.Namen(), QStringList({"kapot", "rand"}));
    o.Kies(QStringLiteral("rand"));
    d.List1_DblClick();   // 5865 x 1200 twips: the whole logo fills the box
    EXPECT_EQ(o.factuur.LogoBestand, QStringLiteral("rand.bmp"));
    EXPECT_EQ(o.main->Pic->LogoLabel->pixmap().size(), QSize(391, 80));
    EXPECT_EQ(LogoPixel(*o.main, 390, 79), rood);
    EXPECT_EQ(LogoPixel(*o.main, 380, 40), qRgb(0, 0, 255));

    o.Open(4);
    o.Kies(QStringLiteral("rand"));
    o.dialoog->OkKnop_Click();   // 6000 x 1246 twips: the red edge falls outside the box
    EXPECT_EQ(o.factuur.LogoBestand, QStringLiteral("rand.bmp"));
    EXPECT_EQ(LogoPixel(*o.main, 390, 79), qRgb(0, 0, 255));

    o.prompts.gevraagd.clear();
    o.Open(4);
    o.Kies(QStringLiteral("kapot"));
    o.dialoog->List1_DblClick();   // not a picture: the logo and its name stay
    EXPECT_EQ(o.factuur.LogoBestand, QStringLiteral("rand.bmp"));
    EXPECT_EQ(LogoPixel(*o.main, 200, 40), qRgb(0, 0, 255));
    ASSERT_EQ(o.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(o.prompts.gevraagd[0].titel, QStringLiteral(" Logo Openen"));
    EXPECT_TRUE(o.prompts.gevraagd[0].tekst.startsWith(QStringLiteral("Het bestand 'kapot.bmp' is geen afbeelding")));

    o.Open(4);
    o.dialoog->OkKnop_Click();
    EXPECT_EQ(o.factuur.LogoBestand, QString());
    EXPECT_TRUE(o.main->Pic->LogoLabel->pixmap().isNull());
}

TEST(Mijndata, APictureNameTheSettingsCannotHoldIsFoundAgainAfterARestart)
{
    for (int modus : {3, 4}) {
        Opstelling o;
        const QString map = modus == 3 ? QStringLiteral("Backgrounds/") : QStringLiteral("Logo/");
        o.Plaatje(map + QString::fromUtf8("Łódź.bmp"), Effen(Qt::red, 625, 125));
        o.Plaatje(map + QString::fromUtf8("Żabka.bmp"), Effen(Qt::green, 625, 125));
        o.Plaatje(map + QString::fromUtf8("Źabka.bmp"), Effen(Qt::blue, 625, 125));
        QString& gekozen = modus == 3 ? o.factuur.AchtergrondBestand : o.factuur.LogoBestand;

        o.Open(modus);
        o.Kies(QString::fromUtf8("Łódź"));
        o.dialoog->OkKnop_Click();
        EXPECT_EQ(gekozen, QString::fromUtf8("Łódź.bmp"));
        Factuur herstart;
        ZetStandaardwaarden(herstart);
        ASSERT_TRUE(LeesInstellingen(herstart, InstellingenBytes(o.factuur)));
        const auto pad = modus == 3 ? AchtergrondVanFactuur(herstart, o.map.path()) : LogoVanFactuur(herstart, o.map.path());
        EXPECT_EQ(pad, o.map.file(map + QString::fromUtf8("Łódź.bmp"))) << modus;

        // Two names that the settings would hold alike: the choice is refused and told.
        o.prompts.gevraagd.clear();
        o.Open(modus);
        o.Kies(QString::fromUtf8("Żabka"));
        o.dialoog->OkKnop_Click();
        EXPECT_EQ(gekozen, QString::fromUtf8("Łódź.bmp"));
        ASSERT_EQ(o.prompts.gevraagd.size(), 1u);
        EXPECT_EQ(o.prompts.gevraagd[0].soort, QStringLiteral("Melding"));
        EXPECT_TRUE(o.prompts.gevraagd[0].tekst.startsWith(QString::fromUtf8("De naam van het bestand 'Żabka.bmp' kan Quillet niet onthouden")));
    }
}

TEST(Mijndata, ReturnInTheTextBoxStartsANewLineAndKeepsTheDialogOpen)
{
    Opstelling o;
    Mijndata& d = o.Open(1);
    d.show();
    d.Text1->setFocus();
    d.Text1->clear();
    QTest::keyClicks(d.Text1, QStringLiteral("Jan"));
    QTest::keyClick(d.Text1, Qt::Key_Return);
    QTest::keyClicks(d.Text1, QStringLiteral("Dorp"));
    EXPECT_EQ(d.Text1->toPlainText(), QStringLiteral("Jan\nDorp"));
    EXPECT_EQ(o.gesloten, 0);
}

TEST(Mijndata, APictureRowLooksChosenOnlyWhenItIsChosen)
{
    for (int modus : {3, 4}) {
        Opstelling o;
        const QString map = modus == 3 ? QStringLiteral("Backgrounds") : QStringLiteral("Logo");
        o.Plaatje(map + "/eerste.bmp", Effen(Qt::red));
        o.Plaatje(map + "/tweede.bmp", Effen(Qt::green));
        Mijndata& d = o.Open(modus);
        d.show();
        d.activateWindow();
        d.List1->setFocus();
        QApplication::processEvents();
        EXPECT_FALSE(RijOogtGekozen(d.List1, 0)) << modus;
        EXPECT_FALSE(RijOogtGekozen(d.List1, 1)) << modus;
        o.Kies(QStringLiteral("tweede"));
        EXPECT_TRUE(RijOogtGekozen(d.List1, 1)) << modus;
        EXPECT_FALSE(RijOogtGekozen(d.List1, 0)) << modus;
    }
}
