#include "output/pdf_plaatjes.h"

#include "pdf/pdf_test_support.h"
#include "pdf/pdf_writer.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

#include <regex>

using namespace std::string_literals;

namespace {

using pdftest::MakeBmp;

std::string Document(const std::function<void(pdf::PdfWriter&)>& beelden)
{
    pdf::PdfWriter w;
    w.ScaleMode(3);
    w.InitPDFInMemory();
    beelden(w);
    w.StartPage();
    w.EndPage();
    w.ClosePDFFile();
    // The creation time is the only byte that may differ between two documents.
    return std::regex_replace(w.TakeDocument(), std::regex("/CreationDate \\(D:[0-9]+"), "/CreationDate (D:");
}

void Le32(std::string& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b += static_cast<char>(v >> (8 * i));
}

// A bitmap of the kinds the writer's own reader refuses: the file and
// information headers, a palette of blue, green, red, 0 entries, then the
// pixel bytes as given.
std::string Bitmap(std::int32_t breedte, std::int32_t hoogte, int bits, std::uint32_t compressie,
                   const std::string& palet, const std::string& pixels)
{
    std::string kop = "BM";
    Le32(kop, static_cast<std::uint32_t>(54 + palet.size() + pixels.size()));
    Le32(kop, 0);
    Le32(kop, static_cast<std::uint32_t>(54 + palet.size()));
    Le32(kop, 40);
    Le32(kop, static_cast<std::uint32_t>(breedte));
    Le32(kop, static_cast<std::uint32_t>(hoogte));
    Le32(kop, 1u | static_cast<std::uint32_t>(bits) << 16);
    Le32(kop, compressie);
    Le32(kop, static_cast<std::uint32_t>(pixels.size()));
    Le32(kop, 2835);
    Le32(kop, 2835);
    Le32(kop, static_cast<std::uint32_t>(palet.size() / 4));
    Le32(kop, 0);
    return kop + palet + pixels;
}

std::string Herhaal(const std::string& stuk, int keer)
{
    std::string s;
    for (int i = 0; i < keer; ++i)
        s += stuk;
    return s;
}

std::string Png(const QImage& beeld)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    beeld.save(&buffer, "PNG");
    return bytes.toStdString();
}

// The image's data as the PDF holds it, and its size.
struct PdfBeeld {
    std::string maat;
    std::string data;
};

PdfBeeld BeeldIn(const std::string& pdf)
{
    std::smatch m;
    if (!std::regex_search(pdf, m, std::regex("/Width ([0-9]+)\r/Height ([0-9]+)")))
        return {};
    const auto begin = pdf.find(">>\rstream\r\n", static_cast<std::size_t>(m.position(0))) + 11;
    const auto eind = pdf.find("\rendstream", begin);
    return {m[1].str() + "x" + m[2].str(), pdf.substr(begin, eind - begin)};
}

const std::string kRood = "\xff\x00\x00"s;
const std::string kBlauw = "\x00\x00\xff"s;
const std::string kWit = "\xff\xff\xff"s;

}  // namespace

TEST(PdfPlaatjes, ABitmapTheWritersReaderTakesGoesInAsItAlwaysDid)
{
    pdftest::TempDir dir;
    const std::vector<std::array<std::uint8_t, 3>> palet = {{0, 0, 0}, {255, 0, 0}, {0, 128, 255}, {9, 9, 9}};
    struct { const char* naam; std::string bmp; } gevallen[] = {
        {"24 bits", MakeBmp(7, 5, 24, {}, [](int x, int y) { return std::uint32_t(x * 0x102030 + y * 0x050505); })},
        {"8 bits", MakeBmp(9, 3, 8, palet, [](int x, int y) { return std::uint32_t((x + y) % 4); })},
        {"4 bits", MakeBmp(5, 4, 4, palet, [](int x, int) { return std::uint32_t(x % 4); })},
        {"1 bit", MakeBmp(17, 2, 1, palet, [](int x, int y) { return std::uint32_t((x + y) % 2); })},
        // at the limit of what its place holds: not reduced
        {"200 x 200 for 10 x 10 mm", MakeBmp(200, 200, 24, {}, [](int x, int) { return std::uint32_t(x); })},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        const std::string pad = dir.file("p.bmp");
        pdftest::WriteFile(pad, g.bmp);
        const std::string vroeger = Document([&](pdf::PdfWriter& w) { ASSERT_TRUE(w.LoadImgFromBMPFile("Img1", pad)); });
        const std::string nu = Document(
            [&](pdf::PdfWriter& w) { ASSERT_TRUE(PdfPlaatje(w, "Img1", QString::fromStdString(pad), QSizeF(10, 10))); });
        EXPECT_EQ(nu, vroeger);
    }
}

TEST(PdfPlaatjes, PicturesOnlyThePageReadsGoInAsThePageShowsThem)
{
    pdftest::TempDir dir;
    // Two rows of four pixels: red on top, blue below.
    const std::string rijBgr = "\x00\x00\xff"s, blauwBgr = "\xff\x00\x00"s;
    QImage halfDoorzichtig(4, 2, QImage::Format_ARGB32);
    halfDoorzichtig.fill(qRgba(0, 0, 255, 255));
    for (int x = 0; x < 4; ++x)
        halfDoorzichtig.setPixel(x, 0, qRgba(255, 0, 0, 0));
    struct { const char* naam; std::string bestand; std::string bovenste; } gevallen[] = {
        {"top-down", Bitmap(4, -2, 24, 0, "", Herhaal(rijBgr, 4) + Herhaal(blauwBgr, 4)), kRood},
        {"32 bits", Bitmap(4, 2, 32, 0, "", Herhaal(blauwBgr + "\0"s, 4) + Herhaal(rijBgr + "\0"s, 4)), kRood},
        {"run-length coded", Bitmap(4, 2, 8, 1, "\x00\x00\xff\x00\xff\x00\x00\x00"s,
                                    "\x04\x01\x00\x00\x04\x00\x00\x01"s), kRood},
        {"a PNG with a transparent row", Png(halfDoorzichtig), kWit},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        const std::string pad = dir.file("p.bmp");
        pdftest::WriteFile(pad, g.bestand);
        const PdfBeeld beeld = BeeldIn(Document(
            [&](pdf::PdfWriter& w) { ASSERT_TRUE(PdfPlaatje(w, "Img1", QString::fromStdString(pad), QSizeF(20, 10))); }));
        EXPECT_EQ(beeld.maat, "4x2");
        EXPECT_EQ(beeld.data, Herhaal(kBlauw, 4) + Herhaal(g.bovenste, 4));  // bottom row first
    }
}

TEST(PdfPlaatjes, APictureFarFinerThanItsPlaceIsDrawnFromAReducedCopy)
{
    pdftest::TempDir dir;
    // 10 x 10 mm hold 118 x 118 pixels at 300 dpi; 300 x 300 is more than four times that.
    const std::string pad = dir.file("groot.bmp");
    pdftest::WriteFile(pad, MakeBmp(300, 300, 24, {}, [](int, int) { return 0x00ff00u; }));
    const PdfBeeld beeld = BeeldIn(
        Document([&](pdf::PdfWriter& w) { ASSERT_TRUE(PdfPlaatje(w, "Img1", QString::fromStdString(pad), QSizeF(10, 10))); }));
    EXPECT_EQ(beeld.maat, "118x118");
    ASSERT_EQ(beeld.data.size(), 118u * 118u * 3u);
    EXPECT_EQ(beeld.data.substr(0, 3), "\x00\xff\x00"s);
}
