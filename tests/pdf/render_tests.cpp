// Pages rendered by a real reader (pdftoppm) and checked by their pixels.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "pdf/pdf_test_support.h"
#include "pdf/pdf_writer.h"

using pdf::PdfWriter;
using pdftest::MakeBmp;
using Palette = std::vector<std::array<std::uint8_t, 3>>;

namespace {

constexpr int kWidth = 8;   // source pixels
constexpr int kHeight = 6;
constexpr int kScale = 8;   // points (= rendered pixels at 72 dpi) per source pixel
constexpr int kTop = 800;   // top edge of the images, points from the bottom
constexpr int kPage = 842;  // A4 height in points

struct Sample {
    const char* name;
    int bits;
    int colorSpace;
    Palette palette;
    std::function<std::uint32_t(int, int)> pixel;  // palette index or 0xRRGGBB, y from the top
    int left;                                      // points from the left
};

std::array<int, 3> Expected(const Sample& s, int x, int y)
{
    const std::uint32_t v = s.pixel(x, y);
    std::array<int, 3> c;
    if (s.bits == 24)
        c = {static_cast<int>(v >> 16), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF)};
    else
        c = {s.palette[v][0], s.palette[v][1], s.palette[v][2]};
    if (s.colorSpace != 0) {
        // 0.33 r + 0.59 g + 0.11 b, halves to even, at most 255
        const int h = 33 * c[0] + 59 * c[1] + 11 * c[2];
        int g = h / 100;
        if (h % 100 > 50 || (h % 100 == 50 && g % 2 == 1))
            ++g;
        g = g > 255 ? 255 : g;
        c = {g, g, g};
    }
    return c;
}

}  // namespace

TEST(Render, ImagesOfOneFourEightAndTwentyFourBitsStandUprightInPlace)
{
    pdftest::TempDir dir;
    Palette two = {{{230, 30, 30}}, {{20, 40, 200}}};
    Palette sixteen, many;
    for (int i = 0; i < 16; ++i)
        sixteen.push_back({static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(240 - i * 12),
                           static_cast<std::uint8_t>((i * 97) % 256)});
    for (int i = 0; i < 256; ++i)
        many.push_back({static_cast<std::uint8_t>(i * 5 % 256), static_cast<std::uint8_t>(255 - i * 3 % 256),
                        static_cast<std::uint8_t>(i * 37 % 256)});
    // every pattern is lopsided, so a flip or a turn would show
    const std::vector<Sample> samples = {
        {"1", 1, 0, two, [](int x, int y) { return static_cast<std::uint32_t>(x < y + 2); }, 20},
        {"4", 4, 0, sixteen, [](int x, int y) { return static_cast<std::uint32_t>((x + 3 * y) % 16); }, 100},
        {"8", 8, 0, many, [](int x, int y) { return static_cast<std::uint32_t>(8 * y + x); }, 180},
        {"24", 24, 0, {}, [](int x, int y) { return static_cast<std::uint32_t>((30 * x + 10) << 16 | (40 * y + 5) << 8 | (x * y * 17 % 256)); }, 260},
        {"24g", 24, 1, {}, [](int x, int y) { return static_cast<std::uint32_t>((30 * x + 10) << 16 | (40 * y + 5) << 8 | 90); }, 340},
        {"8g", 8, 1, many, [](int x, int y) { return static_cast<std::uint32_t>(8 * y + x + 100); }, 420},
    };

    const std::string pdfPath = dir.file("images.pdf");
    PdfWriter w;
    w.InitPDFFile(pdfPath);
    for (const auto& s : samples) {
        const std::string bmp = dir.file(std::string("img") + s.name + ".bmp");
        pdftest::WriteFile(bmp, MakeBmp(kWidth, kHeight, s.bits, s.palette, s.pixel));
        ASSERT_TRUE(w.LoadImgFromBMPFile(std::string("Img") + s.name, bmp, s.colorSpace)) << s.name;
    }
    w.StartPage();
    w.SetColorFill(-255);
    w.Rectangle(0, 0, 595.2f, 842, 4);  // white behind everything
    for (const auto& s : samples)
        w.DrawImg(std::string("Img") + s.name, static_cast<float>(s.left), kTop, kWidth * kScale, kHeight * kScale);
    w.EndPage();
    w.ClosePDFFile();
    pdftest::CheckPdf(pdfPath);

    const std::string base = dir.file("images");
    const auto r = pdftest::Run("pdftoppm -r 72 -singlefile " + pdftest::Quote(pdfPath) + " " + pdftest::Quote(base));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const pdftest::Picture picture = pdftest::ReadPpm(base + ".ppm");
    ASSERT_EQ(picture.height, kPage);
    if (const char* keep = std::getenv("QUILLET_RENDER_PNG"))  // to look at it: pdftoppm -png
        pdftest::Run("pdftoppm -r 144 -png -singlefile " + pdftest::Quote(pdfPath) + " " + pdftest::Quote(keep));

    for (const auto& s : samples) {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                // the centre of source pixel (x, y), y from the top
                const int px = s.left + kScale * x + kScale / 2;
                const int py = (kPage - kTop) + kScale * y + kScale / 2;
                const auto got = picture.at(px, py);
                const auto want = Expected(s, x, y);
                for (int c = 0; c < 3; ++c)
                    ASSERT_NEAR(got[c], want[c], 2) << s.name << "-bit image, pixel " << x << "," << y;
            }
        }
        // white just outside the image's corners: it sits exactly where it was put
        for (auto [px, py] : {std::pair{s.left - 2, kPage - kTop - 2},
                              std::pair{s.left + kWidth * kScale + 1, kPage - kTop + kHeight * kScale + 1}})
            EXPECT_EQ(picture.at(px, py), (std::array<int, 3>{255, 255, 255})) << s.name;
    }
}

TEST(Render, InvoiceLikePageReadsBackAndShowsItsLogo)
{
    // The invoice export's calls in miniature: millimetres, A4, two Arial fonts, a
    // logo strip, grey texts, right-aligned amounts, rules.
    pdftest::TempDir dir;
    const std::string logo = dir.file("logo.bmp");
    pdftest::WriteFile(logo, MakeBmp(125, 25, 24, {}, [](int x, int) { return x < 60 ? 0x2060C0u : 0xF0C020u; }));
    const std::string path = dir.file("factuur.pdf");
    {
        PdfWriter w;
        w.Title("factuur-2024-001");
        w.ScaleMode(3);
        w.PaperSize(0);
        w.Margin(0);
        w.Orientation(1);
        w.InitPDFFile(path);
        w.LoadFont("Fnt1", "Arial", 1);
        w.LoadFont("Fnt2", "Arial", 2);
        ASSERT_TRUE(w.LoadImgFromBMPFile("Img1", logo, 0));
        w.StartPage();
        w.DrawImg("Img1", 2, 295, 206, 43);
        w.SetColorFill(120 + 120 * 256 + 120 * 65536);
        w.DrawText(15, 240, "Bakkerij Één & Zoon", "Fnt2", 12);
        w.DrawText(15, 204, "Factuurnr.          : 2024-001", "Fnt2", 12);
        w.SetColorFill(50 + 50 * 256 + 50 * 65536);
        w.DrawText(5, 184, "Datum", "Fnt2", 12);
        w.DrawText(205, 184, "Totaal", "Fnt2", 12, 2);
        w.MoveTo(5, 180);
        w.LineTo(205, 180, 1);
        w.SetColorFill(60 + 60 * 256 + 60 * 65536);
        w.DrawText(33, 175, "Croissants met crème", "Fnt1", 11);
        w.DrawText(205, 175, "€ 12,40", "Fnt1", 11, 2);
        w.EndPage();
        w.ClosePDFFile();
    }
    pdftest::CheckPdf(path);
    const std::string text = pdftest::PdfToText(path);
    for (const char* s : {"Bakkerij Één & Zoon", "Factuurnr.", "2024-001", "Croissants met crème", "€ 12,40", "Totaal"})
        EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;

    const std::string base = dir.file("factuur");
    ASSERT_EQ(pdftest::Run("pdftoppm -r 72 -singlefile " + pdftest::Quote(path) + " " + pdftest::Quote(base)).exitCode, 0);
    const auto picture = pdftest::ReadPpm(base + ".ppm");
    // the logo spans 2..208 mm across and 252..295 mm up: blue on the left, yellow on the right
    auto at_mm = [&](double x, double y) { return picture.at(static_cast<int>(x / 25.4 * 72), static_cast<int>((297 - y) / 25.4 * 72)); };
    EXPECT_EQ(at_mm(20, 270), (std::array<int, 3>{0x20, 0x60, 0xC0}));
    EXPECT_EQ(at_mm(190, 270), (std::array<int, 3>{0xF0, 0xC0, 0x20}));
    EXPECT_EQ(at_mm(1, 270), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(at_mm(100, 250), (std::array<int, 3>{255, 255, 255}));
}
