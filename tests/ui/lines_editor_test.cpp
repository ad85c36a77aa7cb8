#include "invoice/algemeen.h"
#include "invoice/invoice_file.h"
#include "ui/dialogs/calculator.h"
#include "ui/dialogs/omschrijf.h"

#include "hoofdvenster.h"
#include "support/bedrag.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Editor : Venster {
    QString Totaal(int kop) const { return main->Pic->Kop[kop]->text(); }
    std::unique_ptr<Omschrijf> o;
    void Open() { o = std::make_unique<Omschrijf>(*main, factuur, prompts); }
    void Prijzen(std::initializer_list<const char*> prijzen)
    {
        int i = 0;
        for (const char* p : prijzen) {
            o->Invoer2[i]->setText(QStringLiteral("regel %1").arg(i));
            o->Invoer3[i++]->setText(QString::fromUtf8(p));
        }
    }
};

// Closes the modal dialog that the next event loop shows, and says which it was.
void SluitVolgendDialoog(QString* titel)
{
    QTimer::singleShot(0, [titel] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            *titel = w->windowTitle();
            w->close();
        }
    });
}

}  // namespace

TEST(Omschrijf, LoadsTheLinesWithDecimalCommas)
{
    Editor e;
    e.factuur.KleurR = 1;
    e.factuur.KopTekst[5] = QStringLiteral("Bedrag");
    e.factuur.Aantal[0] = QStringLiteral("01-02");
    e.factuur.Omschrijving[0] = QStringLiteral("Werk");
    e.factuur.Prijs[0] = QStringLiteral("12.50");   // as an opened file leaves it
    e.factuur.Prijs[19] = QStringLiteral("1.2.3");
    e.Open();
    Omschrijf& o = *e.o;
    EXPECT_EQ(o.windowTitle(), QStringLiteral("Omschrijving factuur"));
    EXPECT_EQ(o.palette().color(QPalette::Window), QColor(1, 250, 140));
    EXPECT_EQ(o.Frame1->palette().color(QPalette::Window), QColor(1, 250, 140));
    EXPECT_EQ(o.Label2->text(), QStringLiteral("Datum"));
    EXPECT_EQ(o.Label3->text(), QStringLiteral("Omschrijving"));
    EXPECT_EQ(o.Label4->text(), QStringLiteral("Bedrag"));
    EXPECT_EQ(o.Invoer1[0]->text(), QStringLiteral("01-02"));
    EXPECT_EQ(o.Invoer2[0]->text(), QStringLiteral("Werk"));
    EXPECT_EQ(o.Invoer3[0]->text(), QStringLiteral("12,50"));
    EXPECT_EQ(o.Invoer3[19]->text(), QStringLiteral("1,2,3"));
    EXPECT_EQ(o.Invoer1[0]->maxLength(), 10);
}

TEST(Omschrijf, EmptyLinesConfirmedGiveTwentyEntriesAndZeroTotals)
{
    Editor e;
    e.Open();
    QTest::mouseClick(e.o->OkKnop, Qt::LeftButton);
    EXPECT_EQ(e.o->result(), QDialog::Accepted);
    const QString twintig = QStringLiteral("\r\n").repeated(20);
    EXPECT_EQ(e.factuur.KolomDatum, twintig);
    EXPECT_EQ(e.factuur.KolomOmschrijving, twintig);
    EXPECT_EQ(e.factuur.KolomPrijs, twintig);
    for (int kop : {10, 11, 12})
        EXPECT_EQ(e.Totaal(kop), QStringLiteral("0,00"));
    EXPECT_EQ(e.main->Pic->DatumLabel->font().pointSizeF(), 6.0);
    // The VAT and line total columns follow the lines too: blank for empty lines.
    EXPECT_EQ(e.factuur.KolomBtw, QStringLiteral(" \r\n").repeated(20));
    EXPECT_EQ(e.factuur.KolomTotaal, QStringLiteral(" \r\n").repeated(20));
    EXPECT_NE(e.Tekst(e.main->Pic->BtwLabel), QStringLiteral("     Btw"));
}

TEST(Omschrijf, PricesAreStoredWithACommaAndShownWithTwoDecimals)
{
    Editor e;
    e.Open();
    e.Prijzen({"12.5", "abc", "0,10", "0,20"});
    e.o->Invoer1[0]->setText(QStringLiteral("05-06"));
    e.o->OkKnop_Click();
    EXPECT_EQ(e.factuur.Prijs[0], QStringLiteral("12,5"));
    EXPECT_EQ(e.factuur.Prijs[1], QStringLiteral("abc"));
    EXPECT_EQ(e.o->Invoer3[0]->text(), QStringLiteral("12,50"));
    EXPECT_EQ(e.o->Invoer3[1]->text(), QStringLiteral("abc"));
    EXPECT_EQ(e.o->TotaalText->text(), QStringLiteral("12,80"));
    EXPECT_EQ(e.factuur.Aantal[0], QStringLiteral("05-06"));
    EXPECT_TRUE(e.Tekst(e.main->Pic->PrijsExBtwLabel).startsWith(QStringLiteral("12,5\nabc\n0,10\n")));
    EXPECT_EQ(e.Totaal(10), QStringLiteral("12,80"));
    EXPECT_EQ(e.Totaal(11), QStringLiteral("2,69"));   // 2.688
    EXPECT_EQ(e.Totaal(12), QStringLiteral("15,49"));  // 15.488
}

TEST(Omschrijf, ADutchAmountIsComputedShownAndStoredAsTyped)
{
    Editor e;
    e.Open();
    e.Prijzen({"1.234,50", "€ 12,50", " -5 "});
    e.o->OkKnop_Click();   // without "Totaal" first
    EXPECT_EQ(e.factuur.Prijs[0], QStringLiteral("1234,50"));
    EXPECT_EQ(e.factuur.Prijs[1], QStringLiteral("12,50"));
    EXPECT_EQ(e.factuur.Prijs[2], QStringLiteral(" -5 "));   // read the same by every reader
    EXPECT_TRUE(e.Tekst(e.main->Pic->PrijsExBtwLabel).startsWith(QStringLiteral("1234,50\n12,50\n -5 \n")));
    EXPECT_TRUE(e.Tekst(e.main->Pic->BtwLabel).startsWith(QStringLiteral("259,25\n2,63\n-1,05\n")));
    EXPECT_EQ(e.Totaal(10), QStringLiteral("1242,00"));
    EXPECT_EQ(e.Totaal(12), QStringLiteral("1502,82"));
    EXPECT_TRUE(FactuurBytes(e.factuur).contains("\"regel 0\",\"1234,50\"\r\n"));
    // Opened again, a click into the box keeps the amount.
    e.Open();
    QTest::mouseClick(e.o->Invoer3[0], Qt::LeftButton);
    EXPECT_EQ(e.o->Invoer3[0]->text(), QStringLiteral("1234,50"));
    EXPECT_EQ(e.o->Invoer3[2]->text(), QStringLiteral(" -5 "));
}

TEST(Omschrijf, APriceOfABillionOrMoreIsRefusedNamingItsLine)
{
    for (const char* teGroot : {"1000000000", "9999999999,99", "-1.000.000.000,00", "999999999,995"}) {
        Editor e;
        e.Open();
        e.Prijzen({"10", "20", teGroot});
        e.o->OkKnop_Click();
        ASSERT_EQ(e.prompts.gevraagd.size(), 1u) << teGroot;
        EXPECT_TRUE(e.prompts.gevraagd[0].tekst.startsWith(QStringLiteral("Regel 3: de prijs "))) << teGroot;
        EXPECT_NE(e.o->result(), QDialog::Accepted);
        EXPECT_TRUE(e.factuur.Prijs[0].isEmpty());
        e.o->TotaalKnop_Click();
        EXPECT_EQ(e.prompts.gevraagd.size(), 2u);
        EXPECT_EQ(e.o->Invoer3[0]->text(), QStringLiteral("10"));   // "Totaal" formats nothing either
    }
    Editor e;
    e.Open();
    e.Prijzen({"999999999,99"});
    e.o->OkKnop_Click();
    EXPECT_TRUE(e.prompts.gevraagd.empty());
    EXPECT_EQ(e.Totaal(11), QStringLiteral("210000000,00"));
    EXPECT_EQ(e.Totaal(12), QStringLiteral("1209999999,99"));
}

TEST(Omschrijf, TwoSmallPricesAtTwentyOnePercent)
{
    Editor e;
    e.Open();
    e.Prijzen({"0,10", "0,20"});
    e.o->OkKnop_Click();
    EXPECT_EQ(e.Totaal(10), QStringLiteral("0,30"));
    EXPECT_EQ(e.Totaal(11), QStringLiteral("0,06"));
    EXPECT_EQ(e.Totaal(12), QStringLiteral("0,36"));
}

TEST(Omschrijf, AClickEmptiesAPriceThatIsNoNumber)
{
    Editor e;
    e.Open();
    e.Prijzen({"abc", "12.5", "7,25", "1.234,50", "€ 12,50"});
    for (int i : {0, 1, 2, 3, 4})
        QTest::mouseClick(e.o->Invoer3[i], Qt::LeftButton);
    EXPECT_EQ(e.o->Invoer3[0]->text(), QString());
    EXPECT_EQ(e.o->Invoer3[1]->text(), QStringLiteral("12.5"));
    EXPECT_EQ(e.o->Invoer3[2]->text(), QStringLiteral("7,25"));
    EXPECT_EQ(e.o->Invoer3[3]->text(), QStringLiteral("1.234,50"));
    EXPECT_EQ(e.o->Invoer3[4]->text(), QStringLiteral("€ 12,50"));
}

TEST(Omschrijf, ClearAsksFirstAndTouchesOnlyTheBoxes)
{
    Editor e;
    e.factuur.Omschrijving[3] = QStringLiteral("bewaard");
    e.Open();
    e.prompts.antwoorden = {false, true};
    e.o->AddKnop_Click();
    ASSERT_EQ(e.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(e.prompts.gevraagd[0].titel, QStringLiteral(" Clear"));
    EXPECT_EQ(e.prompts.gevraagd[0].tekst, QStringLiteral("Wilt u alle velden weer leeg maken?"));
    EXPECT_EQ(e.o->Invoer2[3]->text(), QStringLiteral("bewaard"));

    e.o->AddKnop_Click();
    EXPECT_EQ(e.o->Invoer2[3]->text(), QString());
    EXPECT_EQ(e.o->TotaalText->text(), QStringLiteral("0000,00"));
    EXPECT_EQ(e.factuur.Omschrijving[3], QStringLiteral("bewaard"));
}

TEST(Omschrijf, CancelAndTheTotalButtonLeaveTheInvoiceAlone)
{
    Editor e;
    e.factuur.TotaalExBtw = B("5");
    e.Open();
    e.Prijzen({"100"});
    QTest::mouseClick(e.o->TotaalKnop, Qt::LeftButton);
    EXPECT_EQ(e.o->TotaalText->text(), QStringLiteral("100,00"));
    EXPECT_EQ(e.o->Invoer3[0]->text(), QStringLiteral("100,00"));
    QTest::mouseClick(e.o->CancelKnop, Qt::LeftButton);
    EXPECT_EQ(e.o->result(), QDialog::Rejected);
    EXPECT_EQ(e.factuur.TotaalExBtw, B("5"));
    EXPECT_TRUE(e.factuur.Omschrijving[0].isEmpty());
    EXPECT_TRUE(e.factuur.Prijs[0].isEmpty());
}

TEST(Omschrijf, TheCalculatorButtonOpensTheCalculator)
{
    Editor e;
    e.Open();
    QString geopend;
    SluitVolgendDialoog(&geopend);
    e.o->DelKnop_Click();
    EXPECT_EQ(geopend, QStringLiteral("Calculator"));
}

TEST(FileNieuw, StartsANewInvoiceAfterYes)
{
    Venster v;
    v.factuur.Omschrijving[0] = QStringLiteral("oud");
    v.factuur.Prijs[0] = QStringLiteral("10");
    v.factuur.FactuurDatum = QStringLiteral("01-01-2024");
    HerberekenFactuur(v.factuur);
    v.main->ToonKolommen();
    v.main->ToonFactuurLabel();

    FileNieuw_Click(*v.main, v.factuur, v.prompts);   // No
    ASSERT_EQ(v.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(v.prompts.gevraagd[0].titel, QStringLiteral(" Nieuw"));
    EXPECT_EQ(v.prompts.gevraagd[0].tekst, QStringLiteral("Wilt u een nieuwe factuur maken?"));
    EXPECT_EQ(v.factuur.Omschrijving[0], QStringLiteral("oud"));

    v.prompts.antwoorden = {true};
    QString geopend;
    SluitVolgendDialoog(&geopend);
    FileNieuw_Click(*v.main, v.factuur, v.prompts);
    EXPECT_EQ(geopend, QStringLiteral("Omschrijving factuur"));
    EXPECT_TRUE(v.factuur.Omschrijving[0].isEmpty());
    EXPECT_TRUE(v.factuur.Prijs[0].isEmpty());
    EXPECT_TRUE(v.factuur.TotaalInclBtw.IsNul());
    EXPECT_EQ(v.factuur.FactuurDatum, QStringLiteral("01-01-2024"));
    EXPECT_EQ(v.Tekst(v.main->Pic->OmschrijfLabel), QStringLiteral("Omschrijving v/d factuur"));
    EXPECT_EQ(v.Tekst(v.main->Pic->PrijsTotaalLabel), QStringLiteral("  Totaal"));
    EXPECT_EQ(v.main->Pic->BtwLabel->font().pointSizeF(), 8.0);
    EXPECT_EQ(v.Tekst(v.main->Pic->Kop[11]), QStringLiteral("00000,00"));
    EXPECT_EQ(v.Tekst(v.main->Pic->FactuurLabel), QStringLiteral("Factuurnr.       :\nFactuurdatum  :"));
}

TEST(Omschrijf, EscapeKeepsTheTypedLinesAndCancelStillCloses)
{
    Editor e;
    e.Open();
    e.o->show();
    e.o->Invoer2[0]->setFocus();
    QTest::keyClicks(e.o->Invoer2[0], QStringLiteral("Uren"));
    QTest::keyClick(e.o->Invoer2[0], Qt::Key_Escape);
    EXPECT_TRUE(e.o->isVisible());
    EXPECT_EQ(e.o->Invoer2[0]->text(), QStringLiteral("Uren"));
    e.o->CancelKnop->click();
    EXPECT_EQ(e.o->result(), QDialog::Rejected);
    EXPECT_FALSE(e.o->isVisible());
}
