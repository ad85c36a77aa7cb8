#include "invoice/algemeen.h"
#include "support/bedrag.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace {

QStringList Entries(const QString& kolom)
{
    QStringList e = kolom.split(QStringLiteral("\r\n"));
    EXPECT_EQ(e.takeLast(), QString());  // every entry ends in CR LF
    return e;
}

}  // namespace

TEST(HerberekenFactuur, ParsesPricesAndSumsUnrounded)
{
    Factuur f;
    f.BtwProcent = 21;
    f.Aantal[0] = QStringLiteral("01-02");
    f.Omschrijving[0] = QStringLiteral("Werk");
    f.Prijs[0] = QStringLiteral("12,50");
    f.Prijs[1] = QStringLiteral("1.234,50");
    f.Prijs[2] = QStringLiteral("abc");
    f.Prijs[3] = QStringLiteral("0,10");
    f.Prijs[19] = QStringLiteral("0,20");
    HerberekenFactuur(f);

    EXPECT_EQ(f.Prijs[0], QStringLiteral("12.50"));
    EXPECT_EQ(f.Prijs[1], QStringLiteral("1234.50"));  // a Dutch amount keeps its value
    const QStringList prijs = Entries(f.KolomPrijs);
    ASSERT_EQ(prijs.size(), 20);
    EXPECT_EQ(prijs[0], QStringLiteral("12,50"));  // shown as typed
    EXPECT_EQ(Entries(f.KolomDatum).size(), 20);
    EXPECT_EQ(Entries(f.KolomOmschrijving)[0], QStringLiteral("Werk"));

    const QStringList btw = Entries(f.KolomBtw);
    const QStringList totaal = Entries(f.KolomTotaal);
    ASSERT_EQ(btw.size(), 20);
    EXPECT_EQ(btw[0], QStringLiteral("2,63"));     // 2.625 exactly: half goes up
    EXPECT_EQ(totaal[0], QStringLiteral("15,13"));
    EXPECT_EQ(btw[1], QStringLiteral("259,25"));   // 1234,50 counts
    EXPECT_EQ(btw[2], QStringLiteral(" "));        // letters count as 0
    EXPECT_EQ(totaal[2], QStringLiteral(" "));
    EXPECT_EQ(btw[3], QStringLiteral("0,02"));

    // Summed unrounded: 2.625 + 259.245 + 0 + 0.021 + 0.042.
    EXPECT_EQ(f.TotaalExBtw, B("1247.30"));
    EXPECT_EQ(f.TotaalBtw, B("261.933"));
    EXPECT_EQ(f.TotaalInclBtw, B("1509.233"));
}

TEST(HerberekenFactuur, ZeroVatLeavesTheVatColumnBlank)
{
    Factuur f;
    f.BtwProcent = 0;
    f.Prijs[4] = QStringLiteral("10");
    HerberekenFactuur(f);
    for (const QString& e : Entries(f.KolomBtw))
        EXPECT_EQ(e, QStringLiteral(" "));
    EXPECT_EQ(Entries(f.KolomTotaal)[4], QStringLiteral("10,00"));
    EXPECT_EQ(f.TotaalBtw, B("0"));
    EXPECT_EQ(f.TotaalInclBtw, B("10"));
}

TEST(HerberekenFactuur, AnEmptyInvoiceHasTwentyBlankEntriesPerColumn)
{
    Factuur f;
    f.KolomPrijs = QStringLiteral("old");
    f.TotaalExBtw = B("99");
    HerberekenFactuur(f);
    EXPECT_EQ(f.KolomDatum, QStringLiteral("\r\n").repeated(20));
    EXPECT_EQ(f.KolomPrijs, QStringLiteral("\r\n").repeated(20));
    EXPECT_EQ(f.KolomBtw, QStringLiteral(" \r\n").repeated(20));
    EXPECT_EQ(f.TotaalExBtw, B("0"));
}

TEST(TekstRegels, HardBreaksAndWordWrap)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    const QFontMetricsF m(font);

    const QStringList drie = TekstRegels(QStringLiteral("Een\r\nTwee\r\nDrie"), font, 500);
    EXPECT_EQ(drie, QStringList({"Een", "Twee", "Drie", ""}));

    // Room for "aaaa bbbb" but not for "aaaa bbbb cccc": the wrapped line keeps its blank.
    const double breedte = m.horizontalAdvance(QStringLiteral("aaaa bbbb c"));
    const QStringList gewikkeld = TekstRegels(QStringLiteral("aaaa bbbb cccc\r\nx"), font, breedte);
    EXPECT_EQ(gewikkeld, QStringList({"aaaa bbbb ", "cccc", "x", ""}));

    EXPECT_EQ(TekstRegels(QString(), font, 100), QStringList({"", ""}));
    EXPECT_EQ(TekstRegels(QStringLiteral("a\r\n\r\nb\r\n"), font, 100), QStringList({"a", "", "b", "", ""}));
    // A word longer than the box breaks where it must.
    EXPECT_GT(TekstRegels(QString(40, 'W'), font, m.horizontalAdvance(QString(10, 'W'))).size(), 4);
}

TEST(Algemeen, HexAndVatHeading)
{
    EXPECT_EQ(RgbNaarHex(255, 255, 255), QStringLiteral("FFFFFF"));
    EXPECT_EQ(RgbNaarHex(5, 10, 200), QStringLiteral("050AC8"));
    EXPECT_EQ(RgbNaarHex(0, 0, 0), QStringLiteral("000000"));
    EXPECT_EQ(RgbNaarHex(240, 250, 140), QStringLiteral("F0FA8C"));
    EXPECT_EQ(BtwKop(QStringLiteral("21")), QStringLiteral("Btw 21%"));
}
