// Font resources, the generated width tables and Length.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "pdf/pdf_test_support.h"
#include "pdf/pdf_writer.h"

using pdf::PdfWriter;

namespace {

struct Font {
    std::string dict;        // the font object up to "/Widths ["
    std::vector<std::string> widthLines;
    std::vector<int> widths;  // FirstChar to LastChar
    std::string descriptor;   // the descriptor object
};

// Loads one font into an otherwise empty one-page document and reads back
// its two objects (5 and 6).
Font LoadOne(const std::string& base, int options)
{
    pdftest::TempDir dir;
    const std::string path = dir.file("font.pdf");
    PdfWriter w;
    w.InitPDFFile(path);
    w.LoadFont("Fnt1", base, options);
    w.StartPage();
    w.DrawText(10, 10, "Test", "Fnt1", 10);
    w.EndPage();
    w.ClosePDFFile();
    const auto f = pdftest::CheckPdf(path);

    Font font;
    const std::string& body = f.objects.at(5);
    const std::size_t open = body.find("/Widths [\r\n");
    font.dict = body.substr(0, open + 9);
    std::size_t at = open + 11;
    while (body.compare(at, 4, "] >>") != 0) {
        const std::size_t end = body.find("\r\n", at);
        font.widthLines.push_back(body.substr(at, end - at));
        at = end + 2;
    }
    EXPECT_EQ(body.substr(at), "] >>\r\n");
    for (const auto& line : font.widthLines) {
        std::istringstream in(line);
        int v;
        while (in >> v)
            font.widths.push_back(v);
    }
    font.descriptor = f.objects.at(6);
    EXPECT_NE(f.objects.at(4).find("/Font <<\r/Fnt1 5 0 R \r>>\r"), std::string::npos) << f.objects.at(4);
    return font;
}

std::string Descriptor(const Font& f, const std::string& key)
{
    std::smatch m;
    const std::regex re("/" + key + " (-?\\d+)");
    return std::regex_search(f.descriptor, m, re) ? m[1].str() : "";
}

}  // namespace

TEST(Fonts, LoadFontArialWritesWidthsAndDescriptor)
{
    const Font f = LoadOne("Arial", 1);
    EXPECT_EQ(f.dict,
              "<< /Type /Font \r/Subtype /TrueType\r/Name /Fnt1\r/BaseFont /Arial\r/FirstChar 32\r/LastChar 255\r"
              "/FontDescriptor 6 0 R\r/Encoding /WinAnsiEncoding\r/Widths [");
    ASSERT_EQ(f.widthLines.size(), 14u);
    for (const auto& line : f.widthLines) {
        EXPECT_EQ(line.back(), ' ');
        EXPECT_EQ(std::count(line.begin(), line.end(), ' '), 16);
    }
    EXPECT_EQ(f.widthLines[0], "278 278 355 556 556 889 667 191 333 333 389 584 278 333 278 278 ");
    EXPECT_EQ(f.descriptor,
              "<<\r/Type /FontDescriptor\r/FontName /Arial\r"
              "/Flags 32 /FontBBox [-250 -221 1190 1000] /MissingWidth 272 /StemV 80 /StemH 80 /ItalicAngle 0 "
              "/CapHeight 905 /XHeight 453 /Ascent 905 /Descent -212 /Leading 150 /MaxWidth 992 /AvgWidth 441\r>>\r\n");
}

TEST(Fonts, FamilyIsChosenWithoutBlanksAndCase)
{
    const Font times = LoadOne("times new roman", 2);
    EXPECT_NE(times.dict.find("/BaseFont /TimesNewRoman,Bold\r"), std::string::npos);
    EXPECT_NE(times.descriptor.find("/FontName /TimesNewRoman,Bold\r/Flags 16418 "), std::string::npos);
    // Times-Bold: space 250, exclam 333, quotedbl 555, numbersign 500, dollar 500,
    // percent 1000, ampersand 833, quotesingle 278
    EXPECT_EQ(std::vector<int>(times.widths.begin(), times.widths.begin() + 8),
              (std::vector<int>{250, 333, 555, 500, 500, 1000, 833, 278}));

    const Font helvetica = LoadOne("Helvetica", 1);
    const Font arial = LoadOne("Arial", 1);
    EXPECT_NE(helvetica.dict.find("/BaseFont /Arial\r"), std::string::npos);
    EXPECT_EQ(helvetica.widths, arial.widths);
    EXPECT_EQ(helvetica.descriptor, arial.descriptor);

    EXPECT_NE(LoadOne(" Courier New ", 4).dict.find("/BaseFont /CourierNew,BoldItalic\r"), std::string::npos);
    EXPECT_NE(LoadOne("symbol", 3).dict.find("/BaseFont /Symbol,Italic\r/FirstChar 30\r"), std::string::npos);
    EXPECT_NE(LoadOne("Comic Sans", 3).dict.find("/BaseFont /Arial,Italic\r"), std::string::npos);
}

TEST(Fonts, TellingRowsOfTheWidthTables)
{
    auto at = [](const Font& f, int code) { return f.widths.at(static_cast<std::size_t>(code - 32)); };
    auto first8 = [](const Font& f) { return std::vector<int>(f.widths.begin(), f.widths.begin() + 8); };

    for (int style : {1, 3}) {
        const Font f = LoadOne("Arial", style);
        ASSERT_EQ(f.widths.size(), 224u);
        EXPECT_EQ(first8(f), (std::vector<int>{278, 278, 355, 556, 556, 889, 667, 191}));
        const int codes[][2] = {{65, 667}, {87, 944}, {97, 556}, {105, 222}, {109, 833}, {128, 556},
                                {149, 350}, {151, 1000}, {169, 737}, {233, 556}, {255, 500},
                                {127, 750}, {129, 750}, {141, 750}, {143, 750}, {144, 750}, {157, 750}};
        for (auto [code, width] : codes)
            EXPECT_EQ(at(f, code), width) << "Arial style " << style << " code " << code;
    }
    for (int style : {2, 4}) {
        const Font f = LoadOne("Arial", style);
        EXPECT_EQ(first8(f), (std::vector<int>{278, 333, 474, 556, 556, 889, 722, 238}));
        EXPECT_EQ(at(f, 127), 750);
    }
    const Font times = LoadOne("Times New Roman", 1);
    EXPECT_EQ(first8(times), (std::vector<int>{250, 333, 408, 500, 500, 833, 778, 180}));
    const int timesCodes[][2] = {{65, 722}, {87, 944}, {97, 444}, {105, 278}, {109, 778}, {233, 444}};
    for (auto [code, width] : timesCodes)
        EXPECT_EQ(at(times, code), width) << "Times code " << code;

    for (int style = 1; style <= 4; ++style) {
        const Font symbol = LoadOne("Symbol", style);
        ASSERT_EQ(symbol.widths.size(), 226u);
        ASSERT_EQ(symbol.widthLines.size(), 15u);  // 14 lines of 16 and one of 2
        EXPECT_EQ(symbol.widthLines.back(), "494 332 ");  // bracerightbt, then no glyph at 255
        EXPECT_EQ(std::vector<int>(symbol.widths.begin(), symbol.widths.begin() + 10),
                  (std::vector<int>{600, 600, 250, 333, 713, 500, 549, 833, 778, 439}));
        const Font courier = LoadOne("CourierNew", style);
        EXPECT_EQ(courier.widths, std::vector<int>(224, 600));
        EXPECT_EQ(Descriptor(courier, "MissingWidth"), "600");
    }
    EXPECT_EQ(Descriptor(LoadOne("Arial", 2), "Flags"), "16416");
    EXPECT_EQ(Descriptor(LoadOne("Symbol", 4), "Flags"), "16454");
}

TEST(Fonts, StyleOutsideOneToFourLeavesNameAndWidthsEmpty)
{
    const Font f = LoadOne("Arial", 5);
    EXPECT_NE(f.dict.find("/BaseFont /\r/FirstChar 32\r/LastChar 255\r"), std::string::npos);
    EXPECT_EQ(f.widths, std::vector<int>(224, 0));
    EXPECT_EQ(f.descriptor, "<<\r/Type /FontDescriptor\r/FontName /\r\r>>\r\n");
}

TEST(Fonts, LoadFontStandardNamesAType1Font)
{
    pdftest::TempDir dir;
    PdfWriter w;
    w.InitPDFFile(dir.file("std.pdf"));
    w.LoadFontStandard("S1", "Times Roman", 1);
    w.LoadFontStandard("S2", "Helvetica", 2);
    w.LoadFontStandard("S3", "Helvetica", 3);
    w.LoadFontStandard("S4", "Helvetica", 4);
    w.LoadFontStandard("S5", "Courier", 9);
    w.StartPage();
    w.DrawText(10, 10, "x", "S1", 10);
    w.EndPage();
    w.ClosePDFFile();
    const auto f = pdftest::CheckPdf(dir.file("std.pdf"));
    EXPECT_EQ(f.objects.at(5),
              "<< /Type /Font /Subtype /Type1 /Name /S1 /BaseFont /TimesRoman /Encoding /WinAnsiEncoding >>\r\n");
    EXPECT_NE(f.objects.at(6).find("/BaseFont /Helvetica,Bold "), std::string::npos);
    EXPECT_NE(f.objects.at(7).find("/BaseFont /Helvetica,Italic "), std::string::npos);
    EXPECT_NE(f.objects.at(8).find("/BaseFont /Helvetica,BoldItalic "), std::string::npos);
    EXPECT_NE(f.objects.at(9).find("/BaseFont /Courier "), std::string::npos);
    EXPECT_NE(f.objects.at(4).find("/Font <<\r/S1 5 0 R \r/S2 6 0 R \r/S3 7 0 R \r/S4 8 0 R \r/S5 9 0 R \r>>\r"),
              std::string::npos);
    EXPECT_EQ(w.Length("x", "S1", 10), 0.0f);
}

TEST(Fonts, LengthMeasuresWithTheTextState)
{
    pdftest::TempDir dir;
    PdfWriter w;
    w.ScaleMode(3);
    w.InitPDFFile(dir.file("len.pdf"));
    w.LoadFont("F1", "Arial", 1);
    w.LoadFont("F2", "Courier New", 1);
    w.LoadFont("F1", "Courier New", 1);  // a repeated name: Length finds the first
    w.LoadFont("Sym", "Symbol", 1);

    EXPECT_EQ(w.Length("", "F1", 10), 0.0f);
    EXPECT_NEAR(w.Length(" ", "F1", 10), 2.78 / 72 * 25.4, 1e-6);
    EXPECT_EQ(pdf::PdfWriter().Length(" ", "F1", 10), 0.0f);
    EXPECT_NEAR(w.Length(" ", "F1", 10), 0.981, 0.0005);
    EXPECT_NEAR(w.Length("Hallo", "F1", 10), 22.78 / 72 * 25.4, 1e-5);
    EXPECT_NEAR(w.Length("abc", "F2", 10), 18.0 / 72 * 25.4, 1e-5);
    EXPECT_NEAR(w.Length("€é", "F1", 10), 11.12 / 72 * 25.4, 1e-5);  // codes 128 and 233
    EXPECT_NEAR(w.Length("\x1F", "Sym", 10), 6.0 / 72 * 25.4, 1e-5);  // code 31 has a width in Symbol
    EXPECT_NEAR(w.Length("\x1F", "F1", 10), 2.72 / 72 * 25.4, 1e-5);  // below FirstChar: MissingWidth 272
    EXPECT_EQ(w.Length("abc", "F3", 10), 0.0f);

    w.StartPage();
    w.SetCharSpacing(1);  // three characters: 3 points more
    EXPECT_NEAR(w.Length("abc", "F1", 10), (16.12 + 3) / 72 * 25.4, 1e-5);
    w.SetWordSpacing(2);  // one blank: 2 points more
    EXPECT_NEAR(w.Length("a c", "F1", 10), (13.34 + 3 + 2) / 72 * 25.4, 1e-5);
    w.SetTextHorizontalScaling(50);
    EXPECT_NEAR(w.Length("a c", "F1", 10), (13.34 + 3 + 2) / 2 / 72 * 25.4, 1e-5);
    w.EndPage();
    w.StartPage();  // every page starts with the default text state
    EXPECT_NEAR(w.Length("abc", "F1", 10), 16.12 / 72 * 25.4, 1e-5);
    w.EndPage();
    w.ClosePDFFile();
    // the repeated name is listed once, for the first font (object 5)
    const auto f = pdftest::CheckPdf(dir.file("len.pdf"));
    EXPECT_NE(f.objects.at(4).find("/Font <<\r/F1 5 0 R \r/F2 7 0 R \r/Sym 11 0 R \r>>\r"), std::string::npos)
        << f.objects.at(4);
}

TEST(Fonts, ReadersGetTheTextBackWithEuroAndAccents)
{
    pdftest::TempDir dir;
    const std::string path = dir.file("text.pdf");
    PdfWriter w;
    w.ScaleMode(3);
    w.InitPDFFile(path);
    w.LoadFont("Fnt1", "Arial", 1);
    w.LoadFont("Fnt2", "Arial", 2);
    w.LoadFont("Fnt3", "Times New Roman", 3);
    w.LoadFont("Fnt4", "Courier New", 4);
    w.StartPage();
    w.DrawText(20, 250, "Prijs € 12,50 — café (crème) \\ naïve", "Fnt1", 12);
    w.DrawText(150, 230, "Totaal € 1.234,56", "Fnt2", 12, 2);
    w.DrawText(105, 210, "Gecentreerd „citaat“", "Fnt3", 12, 3);
    w.DrawText(20, 190, "Courier ÀÉÎÕÜ ß ÿ", "Fnt4", 10);
    w.EndPage();
    w.ClosePDFFile();
    pdftest::CheckPdf(path);
    const std::string text = pdftest::PdfToText(path);
    for (const char* expected : {"Prijs € 12,50 — café (crème) \\ naïve", "Totaal € 1.234,56",
                                 "Gecentreerd „citaat“", "Courier ÀÉÎÕÜ ß ÿ"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;

    // the right-aligned text ends at 150 mm, the centred one is centred on 105 mm
    const std::string boxes = pdftest::Run("pdftotext -bbox " + pdftest::Quote(path) + " -").output;
    auto word = [&](const std::string& w) {
        std::smatch m;
        const std::regex re("xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">" + w + "<");
        EXPECT_TRUE(std::regex_search(boxes, m, re)) << w << "\n" << boxes;
        return std::pair<double, double>{std::stod(m[1]) / 72 * 25.4, std::stod(m[2]) / 72 * 25.4};
    };
    EXPECT_NEAR(word("1.234,56").second, 150, 0.05);
    EXPECT_NEAR((word("Gecentreerd").first + word("„citaat“").second) / 2, 105, 0.05);
}
