#include "invoice/invoice_file.h"
#include "ui/dialogs/bottomform.h"
#include "ui/dialogs/numdat.h"
#include "ui/dialogs/openfac.h"
#include "ui/dialogs/titelform.h"

#include "hoofdvenster.h"
#include "support/rij_oogt_gekozen.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// In a colour scheme of its own.
struct Geschilderd : Venster {
    Geschilderd()
    {
        factuur.KleurR = 10;
        factuur.KleurG = 20;
        factuur.KleurB = 30;
    }
};

QColor Achtergrond(const QWidget* w)
{
    return w->palette().color(QPalette::Window);
}

void VerwachtSchema(const QWidget* venster, const QWidget* frame)
{
    EXPECT_EQ(Achtergrond(venster), QColor(10, 20, 30));
    EXPECT_EQ(Achtergrond(frame), QColor(10, 20, 30));
    EXPECT_TRUE(frame->autoFillBackground());
}

}  // namespace

TEST(Titelform, EditsHeadingsOneToFive)
{
    Geschilderd v;
    v.factuur.LayoutNr = 1;
    v.factuur.KopTekst[3] = QStringLiteral("Prijs");
    Titelform t(*v.main, v.factuur);
    EXPECT_EQ(t.windowTitle(), QStringLiteral("Koptekst"));
    VerwachtSchema(&t, t.Frame1);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(t.Text1[i]->text(), v.factuur.KopTekst[i]);
        EXPECT_TRUE(t.Text1[i]->isEnabled());
    }

    t.Text1[1]->setText(QStringLiteral("Dag"));
    t.Text1[3]->setText(QStringLiteral("Netto"));
    QTest::mouseClick(t.OkKnop, Qt::LeftButton);
    EXPECT_EQ(t.result(), QDialog::Accepted);
    EXPECT_EQ(v.factuur.KopTekst[1], QStringLiteral("Dag"));
    EXPECT_EQ(v.factuur.KopTekst[3], QStringLiteral("Netto"));
    EXPECT_EQ(v.Tekst(v.main->Pic->Kop[1]), QStringLiteral("Dag"));
    EXPECT_EQ(v.Tekst(v.main->Pic->Kop[3]), QStringLiteral("Netto"));
}

TEST(Titelform, LayoutTwoKeepsTheVatHeadingsAndCancelChangesNothing)
{
    Geschilderd v;
    v.factuur.LayoutNr = 2;
    v.factuur.KopTekst[4] = QStringLiteral("Btw 9%");
    {
        Titelform t(*v.main, v.factuur);
        EXPECT_FALSE(t.Text1[3]->isEnabled());
        EXPECT_FALSE(t.Text1[4]->isEnabled());
        EXPECT_TRUE(t.Text1[5]->isEnabled());
        t.Text1[2]->setText(QStringLiteral("Werk"));
        t.OkKnop_Click();
    }
    EXPECT_EQ(v.factuur.KopTekst[2], QStringLiteral("Werk"));
    EXPECT_EQ(v.factuur.KopTekst[4], QStringLiteral("Btw 9%"));  // a disabled box writes back its text

    Titelform t(*v.main, v.factuur);
    t.Text1[1]->setText(QStringLiteral("weg"));
    QTest::mouseClick(t.CancelKnop, Qt::LeftButton);
    EXPECT_EQ(t.result(), QDialog::Rejected);
    EXPECT_EQ(v.factuur.KopTekst[1], QStringLiteral("Datum"));
}

TEST(NumDat, PresetsTodayAndTakesTheChosenTextsAsTheyAre)
{
    Geschilderd v;
    v.factuur.FactuurDatum = QStringLiteral("01-01-2020");
    v.factuur.FactuurNummer = QStringLiteral("007");
    NumDat n(*v.main, v.factuur, QDate(2024, 3, 5));
    EXPECT_EQ(n.windowTitle(), QStringLiteral("Factuur Datum / Nummer"));
    VerwachtSchema(&n, n.Frame1);
    EXPECT_EQ(n.Combo1->currentText(), QStringLiteral("05"));
    EXPECT_EQ(n.Combo2->currentText(), QStringLiteral("03"));
    EXPECT_EQ(n.Combo3->currentText(), QStringLiteral("2024"));
    EXPECT_EQ(n.Text1->text(), QStringLiteral("007"));
    EXPECT_EQ(n.Combo1->count(), 31);
    EXPECT_EQ(n.Combo3->itemText(89), QStringLiteral("2099"));
    EXPECT_EQ(n.Label4->text(), QStringLiteral("Géén aanhalingstekens \" of ' gebruiken in het nummer."));

    n.Combo1->setCurrentText(QStringLiteral("31"));
    n.Combo2->setCurrentText(QStringLiteral("02"));
    n.Text1->setText(QStringLiteral("  2024-\"12\" "));
    QTest::mouseClick(n.OkKnop, Qt::LeftButton);
    EXPECT_EQ(v.factuur.FactuurDatum, QStringLiteral("31-02-2024"));
    EXPECT_EQ(v.factuur.FactuurNummer, QStringLiteral("2024-\"12\""));
    EXPECT_EQ(v.Tekst(v.main->Pic->FactuurLabel),
              QStringLiteral("Factuurnr.       : 2024-\"12\"\nFactuurdatum  : 31-02-2024"));
}

TEST(NumDat, ArrowKeysStepFromTheShownDate)
{
    Geschilderd v;
    NumDat n(*v.main, v.factuur, QDate(2026, 12, 9));
    struct {
        QComboBox* keuze;
        Qt::Key toets;
        const char* daarna;
    } stappen[] = {{n.Combo1, Qt::Key_Down, "10"}, {n.Combo2, Qt::Key_Up, "11"}, {n.Combo3, Qt::Key_Down, "2027"}};
    for (const auto& s : stappen) {
        QTest::keyClick(s.keuze, s.toets);
        EXPECT_EQ(s.keuze->currentText(), QString::fromLatin1(s.daarna));
    }
    n.OkKnop_Click();
    EXPECT_EQ(v.factuur.FactuurDatum, QStringLiteral("10-11-2027"));
}

TEST(NumDat, CancelKeepsDateAndNumber)
{
    Geschilderd v;
    NumDat n(*v.main, v.factuur, QDate(2031, 12, 24));
    EXPECT_EQ(n.Combo1->currentText(), QStringLiteral("24"));
    n.Text1->setText(QStringLiteral("999"));
    n.CancelKnop_Click();
    EXPECT_FALSE(v.factuur.FactuurDatum.has_value());
    EXPECT_EQ(v.factuur.FactuurNummer, QStringLiteral("001"));
    EXPECT_EQ(v.Tekst(v.main->Pic->FactuurLabel), QStringLiteral("Factuurnr.       :\nFactuurdatum  :"));
}

TEST(BottomForm, EditsTheTwoFooterLines)
{
    Geschilderd v;
    v.factuur.VoetTekst[2] = QStringLiteral("IBAN NL00");
    {
        BottomForm b(*v.main, v.factuur);
        EXPECT_EQ(b.windowTitle(), QStringLiteral("Voettekst"));
        VerwachtSchema(&b, b.Frame1);
        EXPECT_EQ(b.Text1->text(), v.factuur.VoetTekst[1]);
        EXPECT_EQ(b.Text2->text(), QStringLiteral("IBAN NL00"));
        b.Text1->setText(QStringLiteral("anders"));
        b.CancelKnop_Click();
    }
    EXPECT_EQ(v.factuur.VoetTekst[1], QStringLiteral("Bij betaling factuurdatum en factuurnummer vermelden."));

    BottomForm b(*v.main, v.factuur);
    b.Text1->clear();
    b.Text2->clear();
    QTest::mouseClick(b.OkKnop, Qt::LeftButton);
    EXPECT_EQ(v.factuur.VoetTekst[1], QString());
    EXPECT_EQ(v.factuur.VoetTekst[2], QString());
    EXPECT_EQ(v.Tekst(v.main->Pic->BottomLabel), QStringLiteral("\n"));
}

TEST(Openfac, ListsTheInvoicesAndOpensTheChosenOne)
{
    Geschilderd v;
    Factuur bron;
    bron.Aantal[0] = QStringLiteral("3");
    bron.Omschrijving[0] = QStringLiteral("Uren");
    bron.Prijs[0] = QStringLiteral("100,00");
    bron.FactuurNummer = QStringLiteral("042");
    v.map.write("Facturen/maart.FAC", FactuurBytes(bron));
    v.map.write("Facturen/April.fac", "kapot");
    v.map.write("Facturen/notities.txt", "geen factuur");
    v.factuur.BtwProcent = 9;

    Openfac o(*v.main, v.factuur, v.prompts, v.map.path());
    EXPECT_EQ(o.windowTitle(), QStringLiteral("Open project"));
    VerwachtSchema(&o, o.Frame1);
    ASSERT_EQ(o.List1->count(), 2);
    EXPECT_EQ(o.List1->item(0)->text(), QStringLiteral("April"));
    EXPECT_EQ(o.List1->item(1)->text(), QStringLiteral("maart"));
    EXPECT_EQ(o.Label2->text(), QStringLiteral("2 Facturen in de lijst..."));

    o.OpenKnop_Click();
    ASSERT_EQ(v.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(v.prompts.gevraagd[0].tekst, QStringLiteral("Eerst een factuur selecteren!"));

    o.List1->setCurrentRow(0);
    o.OpenKnop_Click();
    ASSERT_EQ(v.prompts.gevraagd.size(), 2u);
    EXPECT_EQ(v.prompts.gevraagd[1].soort, QStringLiteral("Melding"));
    EXPECT_EQ(v.factuur.FactuurNummer, QStringLiteral("001"));
    EXPECT_NE(o.result(), QDialog::Accepted);

    o.List1->setCurrentRow(1);
    o.List1_DblClick();
    EXPECT_EQ(o.result(), QDialog::Accepted);
    EXPECT_EQ(v.factuur.Omschrijving[0], QStringLiteral("Uren"));
    EXPECT_EQ(v.factuur.Prijs[0], QStringLiteral("100.00"));
    EXPECT_EQ(v.Tekst(v.main->Pic->FactuurLabel), QStringLiteral("Factuurnr.       : 042\nFactuurdatum  : "));
    EXPECT_TRUE(v.Tekst(v.main->Pic->OmschrijfLabel).startsWith(QStringLiteral("Uren\n")));
    EXPECT_TRUE(v.Tekst(v.main->Pic->BtwLabel).startsWith(QStringLiteral("9,00\n \n")));
    EXPECT_EQ(v.Tekst(v.main->Pic->Kop[12]), QStringLiteral("109,00"));
    EXPECT_EQ(v.main->Pic->PrijsExBtwLabel->font().pointSizeF(), 6.0);
}

TEST(Openfac, AnInvoiceWithAPriceTooLargeToComputeStaysClosed)
{
    Geschilderd v;
    Factuur bron;
    bron.Omschrijving[4] = QStringLiteral("Veel");
    bron.Prijs[4] = QStringLiteral("12345678901.00");
    v.map.write("Facturen/groot.fac", FactuurBytes(bron));
    Openfac o(*v.main, v.factuur, v.prompts, v.map.path());
    o.List1->setCurrentRow(0);
    o.OpenKnop_Click();
    ASSERT_EQ(v.prompts.gevraagd.size(), 1u);
    EXPECT_TRUE(v.prompts.gevraagd[0].tekst.contains(QStringLiteral("Regel 5: de prijs 12345678901.00 is te groot")));
    EXPECT_TRUE(v.factuur.Omschrijving[4].isEmpty());
    EXPECT_NE(o.result(), QDialog::Accepted);
}

TEST(Openfac, AMissingFolderListsNothing)
{
    Geschilderd v;
    QDir(v.map.path()).rmdir(QStringLiteral("Facturen"));
    Openfac o(*v.main, v.factuur, v.prompts, v.map.path());
    EXPECT_EQ(o.List1->count(), 0);
    EXPECT_EQ(o.Label2->text(), QStringLiteral("0 Facturen in de lijst..."));
    o.CancelKnop_Click();
    EXPECT_EQ(o.result(), QDialog::Rejected);
}

TEST(OkCancelDialoog, ReturnInATextBoxConfirms)
{
    Geschilderd v;
    Titelform titel(*v.main, v.factuur);
    BottomForm voet(*v.main, v.factuur);
    NumDat nummer(*v.main, v.factuur, QDate(2026, 12, 9));
    struct {
        OkCancelDialoog* dialoog;
        QLineEdit* vak;
    } gevallen[] = {{&titel, titel.Text1[2]}, {&voet, voet.Text2}, {&nummer, nummer.Text1}};
    for (const auto& g : gevallen) {
        g.dialoog->show();
        g.vak->setFocus();
        QTest::keyClicks(g.vak, QStringLiteral("getypt"));
        QTest::keyClick(g.vak, Qt::Key_Return);
        EXPECT_EQ(g.dialoog->result(), QDialog::Accepted) << g.dialoog->windowTitle().toStdString();
    }
    EXPECT_EQ(v.factuur.KopTekst[2].right(6), QStringLiteral("getypt"));
    EXPECT_EQ(v.factuur.VoetTekst[2].right(6), QStringLiteral("getypt"));
    EXPECT_EQ(v.factuur.FactuurNummer.right(6), QStringLiteral("getypt"));
}

TEST(Openfac, ReturnOpensTheSelectedInvoice)
{
    Geschilderd v;
    Factuur bron;
    bron.FactuurNummer = QStringLiteral("077");
    v.map.write("Facturen/mei.fac", FactuurBytes(bron));
    Openfac o(*v.main, v.factuur, v.prompts, v.map.path());
    o.show();
    o.List1->setFocus();
    o.List1->setCurrentRow(0);
    QTest::keyClick(o.List1, Qt::Key_Return);
    EXPECT_EQ(o.result(), QDialog::Accepted);
    EXPECT_EQ(v.factuur.FactuurNummer, QStringLiteral("077"));
}

TEST(Openfac, TheFirstRowLooksChosenOnlyOnceItIsChosen)
{
    Geschilderd v;
    v.map.write("Facturen/april.fac", FactuurBytes(v.factuur));
    v.map.write("Facturen/mei.fac", FactuurBytes(v.factuur));
    Openfac o(*v.main, v.factuur, v.prompts, v.map.path());
    o.show();
    o.activateWindow();
    o.List1->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(RijOogtGekozen(o.List1, 0));
    o.OpenKnop_Click();
    ASSERT_EQ(v.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(v.prompts.gevraagd[0].tekst, QStringLiteral("Eerst een factuur selecteren!"));
    o.List1->setCurrentRow(0);
    EXPECT_TRUE(RijOogtGekozen(o.List1, 0));
}
