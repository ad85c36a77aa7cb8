#include "platform/amount.h"

#include "support/bedrag.h"

#include <gtest/gtest.h>

#include <clocale>

using platform::Bedrag;
using platform::FormatBedrag;
using platform::Val;

TEST(Amounts, FormatTheDutchWay)
{
    struct { const char* value; const char* text; } cases[] = {
        {"12.5", "12,50"},
        {"0", "0,00"},
        {"7", "7,00"},
        {"1234567.891", "1234567,89"},     // no grouping
        {"0.125", "0,13"},                 // a tie goes away from zero
        {"-0.125", "-0,13"},
        {"2.675", "2,68"},                 // exact, so a tie too
        {"2.205", "2,21"},
        {"999.995", "1000,00"},
        {"-3.456", "-3,46"},
        {"-0.001", "0,00"},                // never "-0,00"
        {"0.004999", "0,00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatBedrag(B(c.value)), QString::fromLatin1(c.text)) << c.value;
}

TEST(Amounts, FormatIgnoresTheProcessLocale)
{
    std::setlocale(LC_ALL, "nl_NL.UTF-8");
    EXPECT_EQ(FormatBedrag(Val("1.5")), "1,50");
    EXPECT_EQ(Val("1.5"), Bedrag::UitCenten(150));
    std::setlocale(LC_ALL, "C");
}

TEST(Amounts, ParseLikeTheInvoiceDoes)
{
    struct { const char* text; std::int64_t millionths; } cases[] = {
        {"12.50", 12'500'000}, {"1.234.50", 1'234'000}, {"abc", 0}, {"  7", 7'000'000},
        {"-3.5x", -3'500'000}, {"+2", 2'000'000}, {".5", 500'000}, {"5.", 5'000'000}, {"", 0},
        {".", 0}, {"-", 0}, {"12,50", 12'000'000}, {"\t 8 9", 8'000'000}, {"1e3", 1'000'000},
        {"0.1234565", 123'457}, {"0.1234564", 123'456},       // the seventh decimal rounds
        {"0.0000004999", 0}, {"1.9999995", 2'000'000},
        {"\xd9\xa3", 0},                                          // only ASCII digits count
    };
    for (const auto& c : cases)
        EXPECT_EQ(Val(QString::fromUtf8(c.text)), Bedrag::UitEenheden(c.millionths * 100)) << c.text;
}

TEST(Amounts, HugeNumbersAreHeldAtTheLargestPriceWithoutOverflow)
{
    const Bedrag grootste = Bedrag::UitEenheden(Bedrag::kGrootste);
    EXPECT_EQ(Val("999999999999999999999999999"), grootste);
    EXPECT_EQ(Val("-1000000000"), Bedrag() - grootste);
    EXPECT_EQ(FormatBedrag(Val("999999999.999999")), "1000000000,00");
    // Twenty of them with their VAT still add up without wrapping round.
    Bedrag som;
    for (int i = 0; i < 20; ++i)
        som += grootste + grootste.MaalProcent(30);
    EXPECT_GT(som, grootste);
}

TEST(Amounts, PercentagesAndRoundingAreExact)
{
    // The VAT in hundred-millionths: a price of six decimals at a whole percentage.
    struct { const char* prijs; int procent; std::int64_t btw; const char* centen; } cases[] = {
        {"10.50", 21, 220'500'000, "2.21"}, {"33.50", 21, 703'500'000, "7.04"},
        {"65.50", 21, 1'375'500'000, "13.76"}, {"0.05", 10, 500'000, "0.01"},
        {"-10.50", 21, -220'500'000, "-2.21"}, {"1.234567", 9, 11'111'103, "0.11"},
        {"100", 0, 0, "0"}, {"0.01", 30, 300'000, "0"},
    };
    for (const auto& c : cases) {
        const Bedrag btw = B(c.prijs).MaalProcent(c.procent);
        EXPECT_EQ(btw, Bedrag::UitEenheden(c.btw)) << c.prijs;
        EXPECT_EQ(btw.OpCenten(), B(c.centen)) << c.prijs;
    }
    EXPECT_EQ(B("1279.325").Tekst(2, QLatin1Char('.')), "1279.33");
    EXPECT_EQ(B("-0.5").Afgerond(0), B("-1"));
    EXPECT_EQ(B("12.3").Tekst(0, QLatin1Char('.')), "12");
}
