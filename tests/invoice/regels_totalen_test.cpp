#include "invoice/regels_totalen.h"
#include "platform/amount.h"
#include "support/bedrag.h"

#include <gtest/gtest.h>

namespace {

RegelTeksten Teksten(std::initializer_list<const char*> teksten)
{
    RegelTeksten t;
    int i = 0;
    for (const char* tekst : teksten)
        t[i++] = QString::fromUtf8(tekst);
    return t;
}

struct Bevestigd {
    Factuur f;
    explicit Bevestigd(const RegelTeksten& prijzen, std::uint8_t btw = 21)
    {
        f.BtwProcent = btw;
        f.KolomBtw = QStringLiteral("blijft");
        BevestigRegels(f, Teksten({"01-03"}), Teksten({"Werk"}), prijzen);
    }
};

}  // namespace

TEST(RegelsTotalen, AnEmptyInvoiceHasTwentyEmptyEntriesAndZeroTotals)
{
    Bevestigd b(RegelTeksten{});
    const QString twintig = QStringLiteral("\r\n").repeated(19);
    EXPECT_EQ(b.f.KolomDatum, QStringLiteral("01-03\r\n") + twintig);
    EXPECT_EQ(b.f.KolomOmschrijving, QStringLiteral("Werk\r\n") + twintig);
    EXPECT_EQ(b.f.KolomPrijs, QStringLiteral("\r\n").repeated(20));
    EXPECT_EQ(b.f.KolomBtw, QStringLiteral(" \r\n").repeated(20));  // no VAT of lines gone
    for (platform::Bedrag totaal : {b.f.TotaalExBtw, b.f.TotaalBtw, b.f.TotaalInclBtw})
        EXPECT_EQ(platform::FormatBedrag(totaal), QStringLiteral("0,00"));
}

TEST(RegelsTotalen, PricesAreStoredWithACommaAndCountedAsTyped)
{
    Bevestigd b(Teksten({"12.5", "abc", " 7 ", "1.234,50", "€ 12,50", " -5 ", "1.2.3"}));
    EXPECT_EQ(b.f.Prijs[0], QStringLiteral("12,5"));
    EXPECT_EQ(b.f.Prijs[1], QStringLiteral("abc"));
    // What the file's text would make another amount of is stored as "Totaal" shows it.
    EXPECT_EQ(b.f.Prijs[3], QStringLiteral("1234,50"));
    EXPECT_EQ(b.f.Prijs[4], QStringLiteral("12,50"));
    EXPECT_EQ(b.f.Prijs[5], QStringLiteral(" -5 "));
    EXPECT_EQ(b.f.Prijs[6], QStringLiteral("1,2,3"));   // no number: as typed, a point as a comma
    EXPECT_EQ(b.f.KolomPrijs.left(11), QStringLiteral("12,5\r\nabc\r\n"));
    EXPECT_TRUE(b.f.KolomBtw.startsWith(QStringLiteral("2,63\r\n \r\n1,47\r\n259,25\r\n2,63\r\n-1,05\r\n")));
    // 12.5 + 0 + 7 + 1234.5 + 12.5 - 5 + 1.2
    EXPECT_EQ(b.f.TotaalExBtw, B("1262.70"));
}

TEST(RegelsTotalen, TheVatIsTakenOnceOnTheSumAndRoundedToCents)
{
    Bevestigd b(Teksten({"0,10", "0,20"}));
    EXPECT_TRUE(b.f.KolomBtw.startsWith(QStringLiteral("0,02\r\n0,04\r\n \r\n")));
    EXPECT_TRUE(b.f.KolomTotaal.startsWith(QStringLiteral("0,12\r\n0,24\r\n \r\n")));
    EXPECT_EQ(b.f.TotaalExBtw, B("0.3"));
    EXPECT_EQ(b.f.TotaalBtw, B("0.06"));       // 0.063
    EXPECT_EQ(b.f.TotaalInclBtw, B("0.36"));   // 0.363

    // Rounded line by line this would be 0,01 + 0,01.
    Bevestigd halve(Teksten({"0,05", "0,05"}), 10);
    EXPECT_EQ(platform::FormatBedrag(halve.f.TotaalBtw), QStringLiteral("0,01"));
    Bevestigd nul(Teksten({"100"}), 0);
    EXPECT_EQ(nul.f.TotaalBtw, B("0"));
    EXPECT_EQ(nul.f.TotaalInclBtw, B("100"));
}

TEST(RegelsTotalen, TheSumCountsThePricesAsTheTotalButtonShowsThem)
{
    // 0,125 shows as 0,13; three of them make 0,39, not 0,375.
    EXPECT_EQ(SomVanPrijzen(Teksten({"0,125", "0,125", "0,125"})), B("0.39"));
    EXPECT_EQ(SomVanPrijzen(Teksten({"19,99", "0.01", "1000"})), B("1020"));
}

TEST(RegelsTotalen, WhatCountsAsANumberInAPriceBox)
{
    struct {
        const char* tekst;
        bool getal;
        const char* opgemaakt;
    } gevallen[] = {
        {"12,5", true, "12,50"}, {"12.5", true, "12,50"}, {" 7 ", true, "7,00"},  {"-3", true, "-3,00"},
        {",5", true, "0,50"},    {"5,", true, "5,00"},    {"", false, ""},        {"abc", false, "abc"},
        {"12a", false, "12a"}, {"-", false, "-"}, {",", false, ","},
        // Written the Dutch way: thousands points, a euro sign, blanks and a sign around it.
        {"1.234,50", true, "1234,50"}, {"€ 12,50", true, "12,50"}, {"12,50 €", true, "12,50"},
        {"-€ 1.000,00", true, "-1000,00"}, {"€ -7,5", true, "-7,50"}, {"12,50-", true, "-12,50"},
        {"+ 4", true, "4,00"}, {"1.234.567", true, "1234567,00"}, {"1.234", true, "1,23"},
        {"\u00a012,50\u00a0", true, "12,50"},
        // Still no number.
        {"€", false, "€"}, {"€ € 5", false, "€ € 5"}, {"--3", false, "--3"}, {"-5-", false, "-5-"},
        {"1.23,4", false, "1.23,4"}, {"12,50 EUR", false, "12,50 EUR"}, {"1 234", false, "1 234"},
    };
    for (const auto& g : gevallen) {
        EXPECT_EQ(IsBedrag(QString::fromUtf8(g.tekst)), g.getal) << g.tekst;
        EXPECT_EQ(OpgemaaktePrijs(QString::fromUtf8(g.tekst)), QString::fromUtf8(g.opgemaakt)) << g.tekst;
    }
}
