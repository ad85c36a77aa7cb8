#include "platform/amount.h"

#include <gtest/gtest.h>

using platform::FormatBedrag;
using platform::Val;

TEST(Amounts, FormatTheDutchWay)
{
    struct { double value; const char* text; } cases[] = {
        {12.5, "12,50"},
        {0, "0,00"},
        {7, "7,00"},
        {1234567.891, "1234567,89"},       // no grouping
        {0.125, "0,13"},                   // a true tie goes away from zero
        {-0.125, "-0,13"},
        {2.675, "2,67"},                   // held as 2.67499999...
        {999.995, "1000,00"},              // held as 999.99500000000000454...
        {-3.456, "-3,46"},
        {-0.001, "0,00"},                  // never "-0,00"
        {double(0.1f + 0.2f), "0,30"},
        {double(2.6f), "2,60"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatBedrag(c.value), QString::fromLatin1(c.text)) << c.value;
}

TEST(Amounts, FormatIgnoresTheProcessLocale)
{
    std::setlocale(LC_ALL, "nl_NL.UTF-8");
    EXPECT_EQ(FormatBedrag(1.5), "1,50");
    EXPECT_DOUBLE_EQ(Val("1.5"), 1.5);
    std::setlocale(LC_ALL, "C");
}

TEST(Amounts, ParseLikeTheInvoiceDoes)
{
    struct { const char* text; double value; } cases[] = {
        {"12.50", 12.5}, {"1.234.50", 1.234}, {"abc", 0}, {"  7", 7}, {"-3.5x", -3.5},
        {"+2", 2}, {".5", 0.5}, {"5.", 5}, {"", 0}, {".", 0}, {"-", 0}, {"12,50", 12},
        {"\t 8 9", 8}, {"1e3", 1},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Val(QString::fromLatin1(c.text)), c.value) << c.text;
}
