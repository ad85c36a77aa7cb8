// The operator lines of the content stream.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pdf/pdf_test_support.h"
#include "pdf/pdf_writer.h"

using pdf::PdfWriter;
using Lines = std::vector<std::string>;

namespace {

// Writes a document whose first page holds what `draw` draws; checks the file
// and returns the lines of that page's content stream.
Lines PageLines(const std::function<void(PdfWriter&)>& draw, int scaleMode = 1,
                const std::function<void(PdfWriter&)>& resources = {})
{
    pdftest::TempDir dir;
    const std::string path = dir.file("page.pdf");
    PdfWriter w;
    w.ScaleMode(scaleMode);
    w.InitPDFFile(path);
    if (resources)
        resources(w);
    w.StartPage();
    draw(w);
    w.EndPage();
    w.ClosePDFFile();
    const auto f = pdftest::CheckPdf(path);
    const std::string& tree = f.objects.at(3);
    const int page = std::stoi(tree.substr(tree.find("/Kids [") + 7));
    return f.StreamLines(f.ContentsOf(page));
}

int Count(const Lines& lines, const std::string& suffix)
{
    int n = 0;
    for (const auto& l : lines)
        n += l.size() >= suffix.size() && l.compare(l.size() - suffix.size(), suffix.size(), suffix) == 0;
    return n;
}

}  // namespace

TEST(PageContent, TextStateSetters)
{
    const Lines lines = PageLines(
        [](PdfWriter& w) {
            w.SetWordSpacing(1.5f);
            w.SetCharSpacing(0.25f);
            w.SetTextHorizontalScaling(90);
            w.SetTextRenderingMode(1);
            w.SetTextRenderingMode(3);   // out of range: nothing
            w.SetTextRenderingMode(-1);  // nothing
            w.SetTextRenderingMode(2);
        },
        3);  // millimetres do not touch text space units
    EXPECT_EQ(lines, (Lines{"1.5 Tw", "0.25 Tc", "90 Tz", "1 Tr", "2 Tr"}));
}

TEST(PageContent, DrawTextWritesOneTextObject)
{
    EXPECT_EQ(PageLines([](PdfWriter& w) { w.DrawText(10, 20, "Hallo (wereld) \\", "F1", 12); }),
              (Lines{"BT", "/F1 12 Tf", "10 20 Td", "(Hallo \\(wereld\\) \\\\) Tj", "ET"}));
    // millimetres: 10 mm = 28.346 pt, 20 mm = 56.693 pt; the size stays in points
    EXPECT_EQ(PageLines([](PdfWriter& w) { w.DrawText(10, 20, "x", "F1", 10.5f); }, 3),
              (Lines{"BT", "/F1 10.5 Tf", "28.346 56.693 Td", "(x) Tj", "ET"}));
    // text goes in as UTF-8 and out as Windows-1252
    EXPECT_EQ(PageLines([](PdfWriter& w) { w.DrawText(0, 0, "€ é", "F1", 12); })[3], "(\x80 \xE9) Tj");
}

TEST(PageContent, RotatedTextUsesAMatrixWithPiAs3141592)
{
    auto matrixLine = [](float rotate) {
        return PageLines([rotate](PdfWriter& w) { w.DrawText(10, 20, "R", "F1", 12, 1, rotate); })[2];
    };
    EXPECT_EQ(matrixLine(90), "0 1 -1 0 10 20 Tm");
    EXPECT_EQ(matrixLine(45), "0.707 0.707 -0.707 0.707 10 20 Tm");
    EXPECT_EQ(matrixLine(180), "-1 0 0 -1 10 20 Tm");  // sin 180 is -0.0000007 here: no "-0"
    EXPECT_EQ(matrixLine(-30), "0.866 -0.5 0.5 0.866 10 20 Tm");
}

TEST(PageContent, AlignmentSubtractsTheMeasuredWidth)
{
    auto fonts = [](PdfWriter& w) {
        w.LoadFont("F1", "Arial", 1);
        w.LoadFontStandard("S1", "Helvetica", 1);
    };
    // "Hallo" in Arial: H 722, a 556, l 222, l 222, o 556 = 2278/1000 x 10 pt
    auto position = [&](int align, const char* font) {
        return PageLines([&](PdfWriter& w) { w.DrawText(100, 20, "Hallo", font, 10, align); }, 1, fonts)[2];
    };
    EXPECT_EQ(position(1, "F1"), "100 20 Td");
    EXPECT_EQ(position(2, "F1"), "77.22 20 Td");
    EXPECT_EQ(position(3, "F1"), "88.61 20 Td");
    EXPECT_EQ(position(0, "F1"), "100 20 Td");
    EXPECT_EQ(position(2, "S1"), "100 20 Td");  // a LoadFontStandard font measures 0
    EXPECT_EQ(position(2, "Nope"), "100 20 Td");
}

TEST(PageContent, Colours)
{
    const Lines lines = PageLines([](PdfWriter& w) {
        w.SetColorFill(0);
        w.SetColorFill(-128);
        w.SetColorFill(255);
        w.SetColorFill(-255);
        w.SetColorFill(0xFFFFFF);
        w.SetColorStroke(0x804020);  // red 0x20, green 0x40, blue 0x80
        w.SetColorStroke(0);
        w.SetColorStroke(-51);
        w.SetColorFill(120 + 120 * 256 + 120 * 65536);
    });
    EXPECT_EQ(lines, (Lines{"0 g", "0.502 g", "1 0 0 rg", "1 g", "1 1 1 rg", "0.125 0.251 0.502 RG", "0 G", "0.2 G",
                            "0.471 0.471 0.471 rg"}));
}

TEST(PageContent, LineStyle)
{
    const Lines lines = PageLines([](PdfWriter& w) {
        w.SetDash(0);
        w.SetDash(0, 0);
        w.SetDash(3, 2);
        w.SetDash(1);
        w.SetLineWidth(0.5f);
        w.SetLineCap(3);  // nothing
        w.SetLineCap(-1);
        w.SetLineCap(2);
        w.SetLineJoin(1);
        w.SetLineJoin(5);
        w.SetMiterLimit(0.5f);  // nothing
        w.SetMiterLimit(10);
    });
    EXPECT_EQ(lines, (Lines{"[ ] 0 d", "[ ] 0 d", "[3 2] 0 d", "[1 0] 0 d", "0.5 w", "2 J", "1 j", "10 M"}));
    EXPECT_EQ(PageLines([](PdfWriter& w) { w.SetLineWidth(1); w.SetDash(2, 1); }, 3),
              (Lines{"2.835 w", "[5.669 2.835] 0 d"}));
}

TEST(PageContent, LinesAndPaintingOptions)
{
    const Lines lines = PageLines([](PdfWriter& w) {
        w.MoveTo(1, 2);
        w.LineTo(3, 4);
        w.LineTo(5, 6, 3);
        w.LineTo(7, 8, 5);
        w.LineTo(9, 10, 0);
        w.LineTo(11, 12, 2);
        w.LineTo(13, 14, 7);
        w.Curve(1, 2, 3, 4, 5, 6);
        w.Curve(1, 2, 3, 4, 5, 6, 4);
    });
    EXPECT_EQ(lines, (Lines{"1 2 m", "3 4 l", "S", "5 6 l", "h", "S", "7 8 l", "f", "9 10 l", "11 12 l", "h",
                            "13 14 l", "f", "1 2 3 4 5 6 c", "S", "1 2 3 4 5 6 c", "f"}));
}

TEST(PageContent, Rectangles)
{
    EXPECT_EQ(PageLines([](PdfWriter& w) { w.Rectangle(10, 20, 30, 40); }), (Lines{"n", "10 20 30 40 re", "S"}));
    EXPECT_EQ(PageLines([](PdfWriter& w) { w.Rectangle(10, 20, 30, 40, 4, -1); }),
              (Lines{"n", "10 20 30 40 re", "f"}));
    // a radius larger than half the width becomes half the width: R 15, k 8.25
    EXPECT_EQ(PageLines([](PdfWriter& w) { w.Rectangle(10, 20, 30, 40, 3, 100); }),
              (Lines{"n", "25 20 m", "25 20 l", "33.25 20 40 26.75 40 35 c", "40 45 l",
                     "40 53.25 33.25 60 25 60 c", "25 60 l", "16.75 60 10 53.25 10 45 c", "10 35 l",
                     "10 26.75 16.75 20 25 20 c", "h", "S"}));
    // then half the height when that is smaller still: R 5, k 2.75
    EXPECT_EQ(PageLines([](PdfWriter& w) { w.Rectangle(0, 0, 100, 10, 1, 20); }),
              (Lines{"n", "5 0 m", "95 0 l", "97.75 0 100 2.25 100 5 c", "100 5 l", "100 7.75 97.75 10 95 10 c",
                     "5 10 l", "2.25 10 0 7.75 0 5 c", "0 5 l", "0 2.25 2.25 0 5 0 c", "S"}));
}

TEST(PageContent, Circle)
{
    EXPECT_EQ(PageLines([](PdfWriter& w) { w.DrawCircle(50, 50, 10, 4); }),
              (Lines{"50 40 m", "55.5 40 60 44.5 60 50 c", "60 55.5 55.5 60 50 60 c", "44.5 60 40 55.5 40 50 c",
                     "40 44.5 44.5 40 50 40 c", "f"}));
}

TEST(PageContent, ArcHas361PointsByDefault)
{
    const Lines lines = PageLines([](PdfWriter& w) { w.Arc(100, 100, 10); });
    ASSERT_EQ(lines.size(), 2u + 1u + 361u + 1u);
    EXPECT_EQ(lines[0], "n");
    EXPECT_EQ(lines[1], "100 100 m");  // the centre
    EXPECT_EQ(lines[2], "110 100 m");  // the first arc point
    EXPECT_EQ(lines[3], "110 100 l");
    EXPECT_EQ(lines[3 + 90], "100 110 l");
    EXPECT_EQ(lines[3 + 180], "90 100 l");
    EXPECT_EQ(lines[3 + 270], "100 90 l");
    EXPECT_EQ(lines[3 + 360], "110 100 l");
    EXPECT_EQ(lines.back(), "S");
    EXPECT_EQ(Count(lines, " l"), 361);
}

TEST(PageContent, ArcPieRatioRotationAndQuality)
{
    // a pie: no move to the first point, a line back to the centre
    Lines lines = PageLines([](PdfWriter& w) { w.Arc(100, 100, 10, 0, 90, 1, true); });
    EXPECT_EQ(Count(lines, " m"), 1);
    EXPECT_EQ(Count(lines, " l"), 92);
    EXPECT_EQ(lines[lines.size() - 2], "100 100 l");
    // the fill bit makes it a pie too
    lines = PageLines([](PdfWriter& w) { w.Arc(100, 100, 10, 0, 90, 1, false, 0, 10, 4); });
    EXPECT_EQ(lines, (Lines{"n", "100 100 m", "110 100 l", "109.848 101.736 l", "109.397 103.42 l", "108.66 105 l",
                            "107.66 106.428 l", "106.428 107.66 l", "105 108.66 l", "103.42 109.397 l",
                            "101.736 109.848 l", "100 110 l", "100 100 l", "f"}));
    // half the height, turned a quarter counter-clockwise: (10, 0) goes to (0, 10)
    lines = PageLines([](PdfWriter& w) { w.Arc(100, 100, 10, 0, 90, 0.5f, false, 90, 90); });
    EXPECT_EQ(lines, (Lines{"n", "100 100 m", "100 110 m", "100 110 l", "95 100 l", "S"}));
}

TEST(PageContent, ArcRefusesAStepThatNeverArrives)
{
    EXPECT_EQ(PageLines([](PdfWriter& w) { w.Arc(100, 100, 10, 0, 360, 1, false, 0, 0); }), Lines{});
    EXPECT_EQ(PageLines([](PdfWriter& w) { w.Arc(100, 100, 10, 0, 360, 1, false, 0, -5); }), Lines{});
    // past 2^24 a 32-bit float no longer grows by 1: the loop ends after one point
    const Lines lines = PageLines([](PdfWriter& w) { w.Arc(100, 100, 10, 16777216.0f, 16777300.0f); });
    EXPECT_EQ(Count(lines, " l"), 1);
}
