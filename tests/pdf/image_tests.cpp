// Bitmaps, image objects, ASCII85 and DrawImg.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "pdf/bmp_reader.h"
#include "pdf/pdf_test_support.h"
#include "pdf/pdf_writer.h"

using pdf::PdfWriter;
using pdftest::MakeBmp;
using pdftest::TempDir;
using Bytes = std::vector<std::uint8_t>;
using Palette = std::vector<std::array<std::uint8_t, 3>>;

namespace {

struct Read {
    bool ok = false;
    Bytes buf, pal;
    std::int32_t width = -1, height = -1;
    std::uint8_t bpp = 0;
};

Read LeggeBMP(const TempDir& dir, const std::string& bmp, int colorSpace = 0)
{
    const std::string path = dir.file("in.bmp");
    pdftest::WriteFile(path, bmp);
    Read r;
    PdfWriter w;
    r.ok = w.LeggeBMP(path, r.buf, r.pal, r.width, r.height, r.bpp, colorSpace);
    return r;
}

std::uint32_t Rgb(int r, int g, int b)
{
    return static_cast<std::uint32_t>(r << 16 | g << 8 | b);
}

// 0.33 r + 0.59 g + 0.11 b to the nearest whole number, halves to even,
// worked out in exact hundredths
int Grey(int r, int g, int b)
{
    const int h = 33 * r + 59 * g + 11 * b;
    int v = h / 100;
    if (h % 100 > 50 || (h % 100 == 50 && v % 2 == 1))
        ++v;
    return v > 255 ? 255 : v;
}

std::uint8_t Le(const std::string& s, std::size_t i)
{
    return static_cast<std::uint8_t>(s[i]);
}

void Put32(std::string& s, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void Put16(std::string& s, std::size_t at, std::uint16_t v)
{
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8);
}

}  // namespace

TEST(LeggeBMP, TwentyFourBitRowsDropTheirPaddingRedFirst)
{
    TempDir dir;
    auto pixel = [](int x, int y) { return Rgb(10 + x, 100 + y, 200 + x + y); };
    // 3 pixels wide: 9 data bytes and 3 padding bytes per row in the file
    std::string bmp = MakeBmp(3, 2, 24, {}, pixel);
    ASSERT_EQ(bmp.size(), 54u + 2 * 12);
    EXPECT_EQ(Le(bmp, 54 + 9), 0);
    Read r = LeggeBMP(dir, bmp);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.width, 3);
    EXPECT_EQ(r.height, 2);
    EXPECT_EQ(r.bpp, 24);
    EXPECT_TRUE(r.pal.empty());
    // bottom row (y = 1) first
    EXPECT_EQ(r.buf, (Bytes{10, 101, 201, 11, 101, 202, 12, 101, 203, 10, 100, 200, 11, 100, 201, 12, 100, 202}));

    // 4 pixels wide: no padding
    bmp = MakeBmp(4, 2, 24, {}, pixel);
    ASSERT_EQ(bmp.size(), 54u + 2 * 12);
    r = LeggeBMP(dir, bmp);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.buf.size(), 24u);
    EXPECT_EQ(Bytes(r.buf.begin(), r.buf.begin() + 3), (Bytes{10, 101, 201}));
    EXPECT_EQ(Bytes(r.buf.begin() + 21, r.buf.end()), (Bytes{13, 100, 203}));

    // grey: one byte a pixel
    r = LeggeBMP(dir, MakeBmp(3, 2, 24, {}, pixel), 1);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.buf, (Bytes{static_cast<std::uint8_t>(Grey(10, 101, 201)), static_cast<std::uint8_t>(Grey(11, 101, 202)),
                            static_cast<std::uint8_t>(Grey(12, 101, 203)), static_cast<std::uint8_t>(Grey(10, 100, 200)),
                            static_cast<std::uint8_t>(Grey(11, 100, 201)), static_cast<std::uint8_t>(Grey(12, 100, 202))}));
}

TEST(LeggeBMP, EveryPixelOfWiderRowsInItsPlace)
{
    TempDir dir;
    for (int width : {1, 2, 5, 8, 13, 16, 31}) {
        const int height = 5;
        auto pixel = [](int x, int y) { return Rgb(7 * x + y, 255 - 11 * x, 3 * y + x); };
        const Read r = LeggeBMP(dir, MakeBmp(width, height, 24, {}, pixel));
        ASSERT_TRUE(r.ok);
        Bytes expected;
        for (int y = height - 1; y >= 0; --y) {
            for (int x = 0; x < width; ++x) {
                const std::uint32_t v = pixel(x, y);
                expected.push_back(static_cast<std::uint8_t>(v >> 16));
                expected.push_back(static_cast<std::uint8_t>(v >> 8));
                expected.push_back(static_cast<std::uint8_t>(v));
            }
        }
        EXPECT_EQ(r.buf, expected) << "width " << width;
    }
}

TEST(LeggeBMP, GreyValueRoundsHalvesToEvenAndStopsAt255)
{
    EXPECT_EQ(pdf::GreyValue(255, 255, 255), 255);  // 262.65
    EXPECT_EQ(pdf::GreyValue(0, 0, 0), 0);
    EXPECT_EQ(pdf::GreyValue(100, 0, 0), 33);
    EXPECT_EQ(pdf::GreyValue(50, 0, 0), 16);   // 16.5
    EXPECT_EQ(pdf::GreyValue(150, 0, 0), 50);  // 49.5
    EXPECT_EQ(pdf::GreyValue(0, 150, 0), 88);  // 88.5
    EXPECT_EQ(pdf::GreyValue(0, 0, 50), 6);    // 5.5
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; g += 3)
            for (int b = 0; b < 256; b += 7)
                ASSERT_EQ(pdf::GreyValue(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                         static_cast<std::uint8_t>(b)),
                          Grey(r, g, b));
}

TEST(LeggeBMP, PaletteBitmapsKeepTheirPackedRows)
{
    TempDir dir;
    // 1 bit, 34 pixels wide: 5 data bytes, 8 stored bytes per row
    const Palette two = {{{255, 0, 0}}, {{0, 0, 255}}};
    auto diagonal = [](int x, int y) { return static_cast<std::uint32_t>(x < y + 30); };
    std::string bmp = MakeBmp(34, 3, 1, two, diagonal);
    ASSERT_EQ(bmp.size(), 54u + 8 + 3 * 8);
    Read r = LeggeBMP(dir, bmp);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bpp, 1);
    EXPECT_EQ(r.pal, (Bytes{255, 0, 0, 0, 0, 255}));
    ASSERT_EQ(r.buf.size(), 15u);
    // bottom row y = 2: x < 32 set, then 32 and 33 clear
    EXPECT_EQ(Bytes(r.buf.begin(), r.buf.begin() + 5), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00}));
    // top row y = 0: x < 30
    EXPECT_EQ(Bytes(r.buf.begin() + 10, r.buf.end()), (Bytes{0xFF, 0xFF, 0xFF, 0xFC, 0x00}));
    r = LeggeBMP(dir, bmp, 1);
    EXPECT_EQ(r.pal, (Bytes{static_cast<std::uint8_t>(Grey(255, 0, 0)), static_cast<std::uint8_t>(Grey(0, 0, 255))}));

    // 4 bits, 5 pixels wide: 3 data bytes, 4 stored
    Palette sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen.push_back({static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i), 7});
    r = LeggeBMP(dir, MakeBmp(5, 2, 4, sixteen, [](int x, int y) { return static_cast<std::uint32_t>(x + 5 * y); }));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.buf, (Bytes{0x56, 0x78, 0x90, 0x01, 0x23, 0x40}));
    ASSERT_EQ(r.pal.size(), 48u);
    EXPECT_EQ(Bytes(r.pal.begin() + 45, r.pal.end()), (Bytes{240, 240, 7}));

    // 8 bits: a palette of 768 bytes in colour, 256 in grey
    Palette all;
    for (int i = 0; i < 256; ++i)
        all.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i / 2)});
    bmp = MakeBmp(3, 1, 8, all, [](int x, int) { return static_cast<std::uint32_t>(x * 100); });
    r = LeggeBMP(dir, bmp);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pal.size(), 768u);
    EXPECT_EQ(r.buf, (Bytes{0, 100, 200}));
    r = LeggeBMP(dir, bmp, 7);
    ASSERT_EQ(r.pal.size(), 256u);
    EXPECT_EQ(r.pal[200], Grey(200, 55, 100));
}

TEST(LeggeBMP, ReadsLaterHeaderVersionsAndShortPalettes)
{
    TempDir dir;
    Palette all;
    for (int i = 0; i < 256; ++i)
        all.push_back({static_cast<std::uint8_t>(i), 1, 2});
    const std::string plain = MakeBmp(4, 1, 8, all, [](int x, int) { return static_cast<std::uint32_t>(x + 1); });

    // a 124-byte (version 5) information header: the palette follows it
    std::string v5 = plain.substr(0, 54) + std::string(84, '\0') + plain.substr(54);
    Put32(v5, 14, 124);
    Put32(v5, 10, 14 + 124 + 1024);
    Read r = LeggeBMP(dir, v5);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.buf, (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(Bytes(r.pal.begin(), r.pal.begin() + 6), (Bytes{0, 1, 2, 1, 1, 2}));

    // only 3 palette entries stored (colours used 3): the rest are black
    std::string short3 = plain.substr(0, 54 + 12) + plain.substr(54 + 1024);
    Put32(short3, 46, 3);
    Put32(short3, 10, 54 + 12);
    r = LeggeBMP(dir, short3);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.pal.size(), 768u);
    EXPECT_EQ(Bytes(r.pal.begin(), r.pal.begin() + 12), (Bytes{0, 1, 2, 1, 1, 2, 2, 1, 2, 0, 0, 0}));
    EXPECT_EQ(r.buf, (Bytes{1, 2, 3, 4}));
}

TEST(LeggeBMP, RefusesWhatItCannotReadWithoutTouchingTheOutputs)
{
    TempDir dir;
    const std::string good24 = MakeBmp(5, 4, 24, {}, [](int x, int y) { return Rgb(x, y, 0); });
    const std::string good8 = MakeBmp(5, 4, 8, {{{1, 2, 3}}}, [](int, int) { return 0u; });
    ASSERT_TRUE(LeggeBMP(dir, good24).ok);
    ASSERT_TRUE(LeggeBMP(dir, good8).ok);

    struct Case {
        const char* what;
        std::string bytes;
    };
    std::vector<Case> cases;
    auto with = [&](const char* what, const std::string& base, auto change) {
        std::string s = base;
        change(s);
        cases.push_back({what, s});
    };
    cases.push_back({"empty file", ""});
    cases.push_back({"only the file header", good24.substr(0, 14)});
    cases.push_back({"53 bytes", good24.substr(0, 53)});
    with("not BM", good24, [](std::string& s) { s[1] = 'A'; });
    with("RLE compression", good8, [](std::string& s) { Put32(s, 30, 1); });
    with("bit fields", good24, [](std::string& s) { Put32(s, 30, 3); });
    with("top-down", good24, [](std::string& s) { Put32(s, 22, static_cast<std::uint32_t>(-4)); });
    with("width 0", good24, [](std::string& s) { Put32(s, 18, 0); });
    with("negative width", good24, [](std::string& s) { Put32(s, 18, static_cast<std::uint32_t>(-5)); });
    with("height 0", good24, [](std::string& s) { Put32(s, 22, 0); });
    with("16 bits", good24, [](std::string& s) { Put16(s, 28, 16); });
    with("32 bits", good24, [](std::string& s) { Put16(s, 28, 32); });
    with("2 bits", good8, [](std::string& s) { Put16(s, 28, 2); });
    with("0 planes", good24, [](std::string& s) { Put16(s, 26, 0); });
    with("core header", good24, [](std::string& s) { Put32(s, 14, 12); });
    with("header larger than the file", good24, [](std::string& s) { Put32(s, 14, 0xFFFFFFF0); });
    with("width 20001", good24, [](std::string& s) { Put32(s, 18, 20001); });
    with("height 20001", good24, [](std::string& s) { Put32(s, 22, 20001); });
    with("huge dimensions", good24, [](std::string& s) { Put32(s, 18, 0x7FFFFFFF), Put32(s, 22, 0x7FFFFFFF); });
    with("one byte of pixels missing", good24, [](std::string& s) { s.pop_back(); });
    with("pixel offset past the end", good24, [](std::string& s) { Put32(s, 10, 0xFFFFFFFF); });
    with("pixel offset inside the header", good24, [](std::string& s) { Put32(s, 10, 40); });
    with("palette running into the pixels", good8, [](std::string& s) { Put32(s, 10, 54 + 1000); });
    with("more colours used than 2^bits", good8, [](std::string& s) { Put32(s, 46, 257); });
    with("palette cut off", good8, [](std::string& s) { s.resize(54 + 100); });

    for (const auto& c : cases) {
        const std::string path = dir.file("bad.bmp");
        pdftest::WriteFile(path, c.bytes);
        PdfWriter w;
        Bytes buf{9}, pal{9};
        std::int32_t width = -7, height = -7;
        std::uint8_t bpp = 99;
        EXPECT_FALSE(w.LeggeBMP(path, buf, pal, width, height, bpp)) << c.what;
        EXPECT_EQ(buf, Bytes{9}) << c.what;
        EXPECT_EQ(pal, Bytes{9}) << c.what;
        EXPECT_EQ(width, -7) << c.what;
        EXPECT_EQ(height, -7) << c.what;
        EXPECT_EQ(bpp, 99) << c.what;
    }
}

TEST(LeggeBMP, RefusesPixelDataOverTheLimitBeforeReadingIt)
{
    TempDir dir;
    // 9000 x 10000 x 24 bits: 270,000,000 bytes of pixels, over 256 MiB; a
    // sparse file of that size, so nothing but the limit refuses it
    std::string header = MakeBmp(1, 1, 24, {}, [](int, int) { return 0u; }).substr(0, 54);
    Put32(header, 18, 9000);
    Put32(header, 22, 10000);
    const std::string path = dir.file("big.bmp");
    pdftest::WriteFile(path, header);
    std::filesystem::resize_file(path, 54 + 270000000ull);
    PdfWriter w;
    Bytes buf, pal;
    std::int32_t width, height;
    std::uint8_t bpp;
    EXPECT_FALSE(w.LeggeBMP(path, buf, pal, width, height, bpp));
    EXPECT_TRUE(buf.empty());
}

namespace {

// Writes one page with the images that `load` creates and returns the file.
pdftest::PdfFile WriteImages(const TempDir& dir, const std::string& name, bool ascii85,
                             const std::function<void(PdfWriter&)>& load)
{
    const std::string path = dir.file(name);
    PdfWriter w;
    w.EncodeASCII85(ascii85);
    EXPECT_EQ(w.EncodeASCII85(), ascii85);
    w.InitPDFFile(path);
    load(w);
    w.StartPage();
    w.EndPage();
    w.ClosePDFFile();
    return pdftest::CheckPdf(path);
}

std::string ShowObject(const std::string& path, int object, const char* how)
{
    return pdftest::Run("qpdf --show-object=" + std::to_string(object) + " " + how + " " + pdftest::Quote(path))
        .output;
}

std::string AsString(const Bytes& b)
{
    return {b.begin(), b.end()};
}

}  // namespace

TEST(Images, ObjectsAsPart44WritesThem)
{
    TempDir dir;
    const Bytes rgb = {1, 2, 3, 4, 5, 6};
    const Bytes pal = {10, 20, 30, 40, 50, 60};
    const auto f = WriteImages(dir, "img.pdf", false, [&](PdfWriter& w) {
        w.LoadImgFromBuffer("Img1", rgb, {}, 2, 1, 24);
        w.LoadImgFromBuffer("Img2", Bytes{0x80}, pal, 2, 1, 1, 0);
        w.LoadImgFromBuffer("Img3", Bytes{7, 8}, {}, 2, 1, 24, 1);
    });
    EXPECT_EQ(f.objects.at(5),
              "<<\r/Type /XObject\r/Subtype /Image\r/Name /Img1\r/Width 2\r/Height 1\r\n"
              "/BitsPerComponent 8\r/ColorSpace /DeviceRGB\r/Length 6 0 R\r\n"
              ">>\rstream\r\n\x01\x02\x03\x04\x05\x06\rendstream\r\n");
    EXPECT_EQ(f.objects.at(6), "6\r\n");
    EXPECT_EQ(f.objects.at(7),
              "<<\r/Type /XObject\r/Subtype /Image\r/Name /Img2\r/Width 2\r/Height 1\r\n"
              "/BitsPerComponent 1\r/ColorSpace [/Indexed /DeviceRGB 1 9 0 R]\r/Length 8 0 R\r\n"
              ">>\rstream\r\n\x80\rendstream\r\n");
    EXPECT_EQ(f.objects.at(8), "1\r\n");
    EXPECT_EQ(f.objects.at(9), "<</Length 6 >>\rstream\r\n\x0A\x14\x1E\x28\x32\x3C\rendstream\r\n");
    EXPECT_NE(f.objects.at(10).find("/ColorSpace /DeviceGray\r"), std::string::npos);
    EXPECT_EQ(f.objects.at(4), "<<\r/ProcSet [/PDF /Text /ImageB /ImageC /ImageI ]\r"
                               "/XObject <<\r/Img1 5 0 R \r/Img2 7 0 R \r/Img3 10 0 R \r\r>>\r>>\r\n");
}

TEST(Images, EightBitBitmapGetsAnIndexedColourSpaceAndItsPalette)
{
    TempDir dir;
    Palette all;
    for (int i = 0; i < 256; ++i)
        all.push_back({static_cast<std::uint8_t>(i), 0, static_cast<std::uint8_t>(255 - i)});
    pdftest::WriteFile(dir.file("p8.bmp"), MakeBmp(3, 2, 8, all, [](int x, int y) { return static_cast<std::uint32_t>(x + y); }));
    const auto f = WriteImages(dir, "p8.pdf", false, [&](PdfWriter& w) {
        EXPECT_TRUE(w.LoadImgFromBMPFile("Img1", dir.file("p8.bmp")));
        EXPECT_TRUE(w.LoadImgFromBMPFile("Img2", dir.file("p8.bmp"), 1));
    });
    EXPECT_NE(f.dicts.at(5).find("/BitsPerComponent 8\r/ColorSpace [/Indexed /DeviceRGB 255 7 0 R]\r/Length 6 0 R"),
              std::string::npos);
    EXPECT_EQ(f.streams.at(7).size(), 768u);
    EXPECT_NE(f.dicts.at(8).find("/ColorSpace [/Indexed /DeviceGray 255 10 0 R]"), std::string::npos);
    EXPECT_EQ(f.streams.at(10).size(), 256u);
    EXPECT_EQ(f.streams.at(5), std::string("\x01\x02\x03\x00\x01\x02", 6));
}

TEST(Images, DataStartingWithALineFeedKeepsItsFirstByte)
{
    TempDir dir;
    const Bytes rgb = {10, 11, 12, 13, 14, 15};
    const Bytes pal = {10, 0, 0, 255, 255, 255};
    const auto f = WriteImages(dir, "lf.pdf", false, [&](PdfWriter& w) {
        w.LoadImgFromBuffer("Img1", rgb, {}, 2, 1, 24);
        w.LoadImgFromBuffer("Img2", Bytes{10}, pal, 8, 1, 1);
    });
    const std::string path = dir.file("lf.pdf");
    EXPECT_EQ(ShowObject(path, 5, "--raw-stream-data"), AsString(rgb));
    EXPECT_EQ(ShowObject(path, 7, "--raw-stream-data"), "\n");
    EXPECT_EQ(ShowObject(path, 9, "--raw-stream-data"), AsString(pal));
}

TEST(Images, Ascii85DataDeclaresEveryByteItWrites)
{
    TempDir dir;
    Bytes rgb;
    for (int i = 0; i < 3 * 7 * 3; ++i)
        rgb.push_back(static_cast<std::uint8_t>(i % 3 == 0 ? 10 : i * 37));
    const Bytes pal = {10, 0, 0, 0, 0, 0, 255, 255, 255};  // 3 entries: a partial last group
    const auto f = WriteImages(dir, "a85.pdf", true, [&](PdfWriter& w) {
        w.LoadImgFromBuffer("Img1", rgb, {}, 7, 3, 24);
        w.LoadImgFromBuffer("Img2", Bytes{0, 0, 0, 0}, pal, 4, 4, 1);
    });
    const std::string path = dir.file("a85.pdf");
    EXPECT_NE(f.dicts.at(5).find("/Height 3\r/Filter /ASCII85Decode\r\n/BitsPerComponent 8\r"), std::string::npos);
    EXPECT_EQ(f.streams.at(5).substr(f.streams.at(5).size() - 2), "~>");  // counted in /Length
    EXPECT_EQ(f.streams.at(7), "z~>");
    EXPECT_NE(f.dicts.at(9).find("<</Filter /ASCII85Decode\r/Length 14 >>"), std::string::npos);
    EXPECT_EQ(ShowObject(path, 5, "--filtered-stream-data"), AsString(rgb));
    EXPECT_EQ(ShowObject(path, 7, "--filtered-stream-data"), std::string(4, '\0'));
    EXPECT_EQ(ShowObject(path, 9, "--filtered-stream-data"), AsString(pal));
    const auto check = pdftest::Run("qpdf --check " + pdftest::Quote(path)).output;
    EXPECT_EQ(check.find("recover"), std::string::npos) << check;
}

TEST(Images, RefusedBitmapWritesNothing)
{
    TempDir dir;
    pdftest::WriteFile(dir.file("bad.bmp"), "XX not a bitmap at all, but long enough to hold the headers.....");
    const std::string path = dir.file("none.pdf");
    PdfWriter w;
    w.InitPDFFile(path);
    EXPECT_FALSE(w.LoadImgFromBMPFile("Img1", dir.file("bad.bmp")));
    w.StartPage();
    w.EndPage();
    w.ClosePDFFile();
    const auto f = pdftest::CheckPdf(path);
    EXPECT_EQ(f.size, 8);  // as a document without images
    EXPECT_EQ(f.objects.at(4), "<<\r/ProcSet [/PDF /Text ]\r>>\r\n");
}

TEST(Images, DrawImgPlacesTheTopLeftCorner)
{
    TempDir dir;
    const std::string path = dir.file("draw.pdf");
    PdfWriter w;
    w.ScaleMode(3);
    w.InitPDFFile(path);
    w.LoadImgFromBuffer("Img1", Bytes{1, 2, 3}, {}, 1, 1, 24);
    w.StartPage();
    w.DrawImg("Img1", 2, 295, 206, 43);
    w.EndPage();
    w.ClosePDFFile();
    const auto f = pdftest::CheckPdf(path);
    EXPECT_EQ(f.StreamLines(f.ContentsOf(7)), std::vector<std::string>{"q\r583.937  0 0 -121.89 5.669 836.22 cm\r/Img1 Do\rQ"});
}

TEST(Images, RepeatedImageNameIsListedOnce)
{
    TempDir dir;
    const auto f = WriteImages(dir, "twice.pdf", false, [&](PdfWriter& w) {
        w.LoadImgFromBuffer("Img1", Bytes{1, 2, 3}, {}, 1, 1, 24);
        w.LoadImgFromBuffer("Img1", Bytes{4, 5, 6}, {}, 1, 1, 24);
    });
    EXPECT_NE(f.objects.at(4).find("/XObject <<\r/Img1 5 0 R \r\r>>\r"), std::string::npos) << f.objects.at(4);
}
