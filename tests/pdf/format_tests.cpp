// FormatNum, EscapeText, the Windows-1252 conversion and ASCII85.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "pdf/ascii85.h"
#include "pdf/number_format.h"
#include "pdf/text_encoding.h"

using pdf::FormatNum;

TEST(FormatNum, RoundsHalfToEvenWithoutTrailingZeros)
{
    struct {
        double v;
        int digits;
        const char* text;
    } cases[] = {
        {0, 3, "0"},
        {1, 3, "1"},
        {-1, 3, "-1"},
        {10, 3, "10"},
        {595.2f, 3, "595.2"},        // the A4 width as a 32-bit float
        {842, 3, "842"},
        {1190.5f, 3, "1190.5"},
        {10 * 72 / 25.4, 3, "28.346"},
        {128 / 255.0, 3, "0.502"},
        {43 * 72 / 25.4, 3, "121.89"},  // 121.890: trailing zero dropped
        {0.1, 3, "0.1"},
        {100.0001, 3, "100"},
        {-3.0004, 3, "-3"},
        {0.0625, 3, "0.062"},  // exact halves go to the even digit
        {0.1875, 3, "0.188"},
        {-0.0625, 3, "-0.062"},
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {-2.5, 0, "-2"},
        {0.125, 2, "0.12"},
        {0.375, 2, "0.38"},
        {1234567.125, 2, "1234567.12"},
        {1e20, 3, "100000000000000000000"},  // no exponent
        {1e-7, 3, "0"},
        {-0.0001, 3, "0"},  // never "-0"
        {-0.0, 3, "0"},
        {-0.4, 0, "0"},
        {std::cos(90 * 3.141592 / 180), 3, "0"},
        {std::numeric_limits<double>::quiet_NaN(), 3, "0"},
        {std::numeric_limits<double>::infinity(), 3, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNum(c.v, c.digits), c.text) << c.v << " at " << c.digits;
}

TEST(FormatNum, IgnoresTheProcessLocale)
{
    // a locale with a decimal comma and grouping, when the machine has one
    const char* tried[] = {"nl_NL.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "nl_NL", "de_DE"};
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const char* name : tried) {
        if (std::setlocale(LC_ALL, name))
            break;
    }
    EXPECT_EQ(FormatNum(1234.5, 3), "1234.5");
    EXPECT_EQ(FormatNum(-0.502, 3), "-0.502");
    std::setlocale(LC_ALL, before.c_str());
}

TEST(EscapeText, EscapesBackslashThenParentheses)
{
    EXPECT_EQ(pdf::EscapeText("a\\b(c)d"), "a\\\\b\\(c\\)d");
    EXPECT_EQ(pdf::EscapeText("(senza titolo)"), "\\(senza titolo\\)");
    EXPECT_EQ(pdf::EscapeText("plain"), "plain");
}

TEST(ToAnsi, WritesWindows1252)
{
    EXPECT_EQ(pdf::ToAnsi("Prijs € 12,50 café"), "Prijs \x80 12,50 caf\xE9");
    EXPECT_EQ(pdf::ToAnsi("Š‘’“”•–—™ž Ÿ ÿ ©"), "\x8A\x91\x92\x93\x94\x95\x96\x97\x99\x9E \x9F \xFF \xA9");
    EXPECT_EQ(pdf::ToAnsi("\xC2\xA0"), "\xA0");
    // what Windows-1252 cannot hold, and malformed UTF-8, become "?"
    EXPECT_EQ(pdf::ToAnsi("中文"), "??");
    EXPECT_EQ(pdf::ToAnsi("a\xFF" "b"), "a?b");
    EXPECT_EQ(pdf::ToAnsi("\xC3"), "?");
    EXPECT_EQ(pdf::ToAnsi("\xC0\xAF"), "??");        // overlong
    EXPECT_EQ(pdf::ToAnsi("\xED\xA0\x80"), "???");   // surrogate
    EXPECT_EQ(pdf::ToAnsi("😀"), "?");
}

namespace {

std::vector<std::uint8_t> Bytes(std::string_view s)
{
    return {s.begin(), s.end()};
}

// ASCII85 decoding written from the PDF filter's description, to hold the
// encoder against.
std::vector<std::uint8_t> Ascii85Decode(const std::string& s)
{
    std::vector<std::uint8_t> out;
    std::uint32_t group[5];
    int n = 0;
    auto flush = [&](int count) {
        for (int i = count; i < 5; ++i)
            group[i] = 84;
        std::uint64_t v = 0;
        for (int i = 0; i < 5; ++i)
            v = v * 85 + group[i];
        for (int i = 0; i < count - 1; ++i)
            out.push_back(static_cast<std::uint8_t>(v >> (24 - 8 * i)));
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '~')
            break;
        if (s[i] == 'z') {
            out.insert(out.end(), 4, 0);
            continue;
        }
        group[n++] = static_cast<std::uint32_t>(s[i] - 33);
        if (n == 5) {
            flush(5);
            n = 0;
        }
    }
    if (n > 0)
        flush(n);
    return out;
}

}  // namespace

TEST(Ascii85, EncodesTheEdgeCasesOfPart44)
{
    EXPECT_EQ(pdf::Ascii85Encode(Bytes(std::string(4, '\0'))), "z~>");
    EXPECT_EQ(pdf::Ascii85Encode(Bytes(std::string(1, '\0'))), "!!~>");
    EXPECT_EQ(pdf::Ascii85Encode(Bytes(std::string(5, '\0'))), "z!!~>");
    EXPECT_EQ(pdf::Ascii85Encode({}), "~>");
    EXPECT_EQ(pdf::Ascii85Encode(Bytes("Man ")), "9jqo^~>");
    EXPECT_EQ(pdf::Ascii85Encode(Bytes("sure.")), "F*2M7/c~>");  // a last group of one byte
    EXPECT_EQ(pdf::Ascii85Encode(Bytes("\xFF\xFF\xFF\xFF")), "s8W-!~>");
    EXPECT_EQ(pdf::Ascii85Encode(Bytes("Man is")), "9jqo^Bla~>");  // a last group of two bytes
}

TEST(Ascii85, DecodesBackToTheBytesForEveryLength)
{
    std::vector<std::uint8_t> data;
    for (int i = 0; i < 300; ++i) {
        const std::string encoded = pdf::Ascii85Encode(data);
        ASSERT_EQ(encoded.substr(encoded.size() - 2), "~>");
        EXPECT_EQ(encoded.find_first_of("\r\n"), std::string::npos);
        EXPECT_EQ(Ascii85Decode(encoded), data) << "length " << i;
        data.push_back(static_cast<std::uint8_t>((i * 151 + 7) % 256 * (i % 5 != 0)));
    }
}
