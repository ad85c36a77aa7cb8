// The document skeleton, byte for byte.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <regex>
#include <stdexcept>
#include <system_error>

#include "pdf/pdf_test_support.h"
#include "pdf/pdf_writer.h"

using pdf::PdfWriter;
using pdftest::CheckPdf;
using pdftest::TempDir;

namespace {

std::string CreationDate(const std::string& bytes)
{
    std::smatch m;
    const std::regex date(R"(/CreationDate \(D:(\d{14})\+01'00'\))");
    return std::regex_search(bytes, m, date) ? m[1].str() : "";
}

// The file of a document with one empty page and no resources, put together
// by hand, object by object, with offsets counted here.
std::string ExpectedOnePageFile(const std::string& date)
{
    std::string f = "%PDF-1.3\r\n";
    std::vector<std::size_t> offset(8, 0);
    auto object = [&](int n, const std::string& body) {
        offset[static_cast<std::size_t>(n)] = f.size();
        f += std::to_string(n) + " 0 obj\r\n" + body + "endobj\r\n";
    };
    object(1, "<<\r/Title (\\(senza titolo\\))\r/Author (Quillet)\r/Creator  (Quillet)\r"
              "/Producer (Averno \xA9 2011)\r/CreationDate (D:" + date + "+01'00')\r>>\r\n");
    object(2, "<<\r/Type /Catalog\r/Pages 3 0 R\r/PageLayout /OneColumn\r/PageMode /UseNone\r/Lang (it) \r"
              "/ViewerPreferences << /HideToolbar false /DisplayDocTitle true /HideWindowUI false >>\r>>\r\n");
    object(5, "<<\r/Type /Page\r/Parent 3 0 R\r/Contents 6 0 R\r>>\r\n");
    object(6, "<< /Length 7 0 R >>\rstream\r\nendstream\r\n");
    object(7, "0\r\n");
    object(4, "<<\r/ProcSet [/PDF /Text ]\r>>\r\n");
    object(3, "<<\r/Type /Pages\r/Count 1\r/MediaBox [0 0 595.2 842]\r/CropBox [0 0 595.2 842]\r\r"
              "/Kids [5 0 R  ]\r/Resources 4 0 R\r>>\r\n");
    const std::size_t xref = f.size();
    f += "xref\r\n0 8\r\n0000000000 65535 f\r\n";
    for (int n = 1; n <= 7; ++n) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n\r\n", offset[static_cast<std::size_t>(n)]);
        f += entry;
    }
    f += "trailer\r<<\r/Size 8\r/Info 1 0 R\r/Root 2 0 R\r>>\r\n";
    f += "startxref\r" + std::to_string(xref) + "\r%%EOF\r\n";
    return f;
}

std::string Now(const char* format)
{
    const std::time_t t = std::time(nullptr);
    char buf[32];
    std::strftime(buf, sizeof buf, format, std::localtime(&t));
    return buf;
}

}  // namespace

TEST(Document, OnePageWithoutResourcesIsObjectsOneToSeven)
{
    TempDir dir;
    const std::string path = dir.file("one.pdf");
    const std::string before = Now("%Y%m%d%H%M%S");
    {
        PdfWriter w;
        w.InitPDFFile(path);
        EXPECT_EQ(w.StartPage(), 1);
        w.EndPage();
        EXPECT_EQ(w.Pages(), 1);
        w.ClosePDFFile();
    }
    const std::string after = Now("%Y%m%d%H%M%S");
    const auto f = CheckPdf(path);
    const std::string date = CreationDate(f.bytes);
    EXPECT_GE(date, before);
    EXPECT_LE(date, after);
    EXPECT_EQ(f.bytes, ExpectedOnePageFile(date));
    EXPECT_EQ(f.size, 8);
    EXPECT_EQ(f.offsets.size(), 7u);
}

TEST(Document, ADocumentKeptInMemoryHoldsTheBytesOfTheFile)
{
    // Image data beyond the stream's own buffer goes its own way to a file.
    const std::vector<std::uint8_t> pixels(200 * 200 * 3, 0x5A);
    auto write = [&](PdfWriter& w) {
        w.LoadImgFromBuffer("Img1", pixels, {}, 200, 200, 24);
        w.StartPage();
        w.DrawImg("Img1", 10, 800, 200, 200);
        w.EndPage();
        w.ClosePDFFile();
    };
    TempDir dir;
    PdfWriter file;
    file.InitPDFFile(dir.file("file.pdf"));
    write(file);
    PdfWriter memory;
    memory.InitPDFInMemory();
    write(memory);
    const std::string inMemory = memory.TakeDocument();
    const std::string inFile = pdftest::ReadFile(dir.file("file.pdf"));
    const std::regex date(R"(/CreationDate \(D:\d{14})");
    EXPECT_GT(inFile.size(), pixels.size());
    EXPECT_EQ(std::regex_replace(inMemory, date, ""), std::regex_replace(inFile, date, ""));
}

TEST(Document, EmptyDocumentStillClosesCleanly)
{
    TempDir dir;
    PdfWriter w;
    w.InitPDFFile(dir.file("empty.pdf"));
    w.ClosePDFFile();
    const auto f = CheckPdf(dir.file("empty.pdf"));
    EXPECT_NE(f.objects.at(3).find("/Count 0\r"), std::string::npos);
    EXPECT_NE(f.objects.at(3).find("/Kids [ ]\r"), std::string::npos);
    EXPECT_EQ(f.size, 5);
}

TEST(Document, PaperSizesMarginAndOrientationInThePageTree)
{
    struct {
        int scaleMode;
        int paperSize;
        float margin;
        int orientation;
        const char* boxes;
        const char* rotation;
    } cases[] = {
        {1, 0, 0, 1, "/MediaBox [0 0 595.2 842]\r/CropBox [0 0 595.2 842]", ""},
        {1, 1, 0, 1, "/MediaBox [0 0 842 1190.5]\r/CropBox [0 0 842 1190.5]", ""},
        {1, 2, 0, 0, "/MediaBox [0 0 612 792]\r/CropBox [0 0 612 792]", ""},
        {1, 3, 0, 3, "/MediaBox [0 0 612 864]\r/CropBox [0 0 612 864]", ""},
        {1, 9, 0, 1, "/MediaBox [0 0 595.2 842]\r/CropBox [0 0 595.2 842]", ""},  // stored, size unchanged
        {3, 0, 10, 1, "/MediaBox [0 0 595.2 842]\r/CropBox [28.346 28.346 566.854 813.654]", ""},
        {2, 0, 1, 1, "/MediaBox [0 0 595.2 842]\r/CropBox [72 72 523.2 770]", ""},
        {4, 0, 1, 1, "/MediaBox [0 0 595.2 842]\r/CropBox [28.346 28.346 566.854 813.654]", ""},
        {7, 0, 10, 1, "/MediaBox [0 0 595.2 842]\r/CropBox [0 0 595.2 842]", ""},  // unknown unit: 0
        // landscape keeps the media box and adds the rotation
        {1, 0, 0, 2, "/MediaBox [0 0 595.2 842]\r/CropBox [0 0 595.2 842]", "/Rotate 90"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        PdfWriter w;
        w.ScaleMode(c.scaleMode);
        w.PaperSize(c.paperSize);
        w.Margin(c.margin);
        w.Orientation(c.orientation);
        w.InitPDFFile(dir.file("p.pdf"));
        w.StartPage();
        w.EndPage();
        w.ClosePDFFile();
        const auto f = CheckPdf(dir.file("p.pdf"));
        const std::string expected = std::string(c.boxes) + "\r" + c.rotation + "\r/Kids [5 0 R  ]\r";
        EXPECT_NE(f.objects.at(3).find(expected), std::string::npos)
            << "scale " << c.scaleMode << " paper " << c.paperSize << "\n" << f.objects.at(3);
        EXPECT_EQ(w.PaperSize(), c.paperSize);
        EXPECT_EQ(w.Orientation(), c.orientation);
    }
}

TEST(Document, PaperWidthAndHeightConvertWhenSet)
{
    TempDir dir;
    PdfWriter w;
    w.ScaleMode(3);
    w.PaperWidth(210);
    w.PaperHeight(297);
    w.Margin(5);
    EXPECT_NEAR(w.PaperWidth(), 210, 1e-4);
    EXPECT_NEAR(w.PaperHeight(), 297, 1e-4);
    EXPECT_NEAR(w.Margin(), 5, 1e-5);
    w.ScaleMode(1);  // later changes of unit do not convert again
    EXPECT_NEAR(w.PaperWidth(), 595.276, 1e-3);
    w.InitPDFFile(dir.file("p.pdf"));
    w.StartPage();
    w.EndPage();
    w.ClosePDFFile();
    const auto f = CheckPdf(dir.file("p.pdf"));
    EXPECT_NE(f.objects.at(3).find("/MediaBox [0 0 595.276 841.89]\r/CropBox [14.173 14.173 581.102 827.717]"),
              std::string::npos)
        << f.objects.at(3);
}

TEST(Document, TitleIsEscapedAndWrittenAsWindows1252)
{
    TempDir dir;
    PdfWriter w;
    EXPECT_EQ(w.Title(), "(senza titolo)");
    w.Title("Factuur (2024) \\ café");
    w.InitPDFFile(dir.file("t.pdf"));
    w.StartPage();
    w.EndPage();
    w.ClosePDFFile();
    const auto f = CheckPdf(dir.file("t.pdf"));
    EXPECT_NE(f.objects.at(1).find("/Title (Factuur \\(2024\\) \\\\ caf\xE9)\r"), std::string::npos)
        << f.objects.at(1);
    const auto info = pdftest::Run("pdfinfo " + pdftest::Quote(dir.file("t.pdf"))).output;
    EXPECT_NE(info.find("Factuur (2024) \\ café"), std::string::npos) << info;
}

TEST(Document, EmptyFileNameIsGeneratedInTheProgramFolderAndHandedBack)
{
    const std::string before = Now("%d%H%M%S");
    std::string name;
    {
        PdfWriter w;
        w.InitPDFFile(name);
        w.StartPage();
        w.EndPage();
        w.ClosePDFFile();
    }
    const std::string after = Now("%d%H%M%S");
    const std::filesystem::path p(name);
    const auto exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(p.parent_path(), exe.parent_path());
    const std::string file = p.filename().string();
    ASSERT_TRUE(std::regex_match(file, std::regex("~[0-9A-F]+\\.pdf"))) << file;
    // the hexadecimal number is "dhhmmss" + one digit
    const std::string decimal = std::to_string(std::stoull(file.substr(1, file.size() - 5), nullptr, 16));
    const std::string time = decimal.substr(0, decimal.size() - 1);
    const auto dayless = [](const std::string& s) { return std::stoi(s.substr(s.size() - 6)); };
    EXPECT_GE(dayless(time), dayless(std::to_string(std::stoi(before))));
    EXPECT_LE(dayless(time), dayless(std::to_string(std::stoi(after))));
    EXPECT_EQ(time.substr(0, time.size() - 6), std::to_string(std::stoi(before.substr(0, 2))));
    CheckPdf(name);
    std::filesystem::remove(p);
}

TEST(Document, FileSystemErrorsReachTheCaller)
{
    TempDir dir;
    PdfWriter w;
    EXPECT_THROW(w.InitPDFFile(dir.file("no/such/folder/x.pdf")), std::system_error);
    EXPECT_THROW(w.StartPage(), std::logic_error);  // nothing is open
    std::vector<std::uint8_t> buf, pal;
    std::int32_t wd, ht;
    std::uint8_t bpp;
    EXPECT_THROW(w.LeggeBMP(dir.file("missing.bmp"), buf, pal, wd, ht, bpp), std::system_error);
    EXPECT_THROW(w.LoadImgFromBMPFile("Img1", dir.file("missing.bmp")), std::system_error);
}

TEST(Document, ReopeningClosesTheEarlierFile)
{
    TempDir dir;
    PdfWriter w;
    w.InitPDFFile(dir.file("first.pdf"));
    w.InitPDFFile(dir.file("second.pdf"));
    w.StartPage();
    w.EndPage();
    w.ClosePDFFile();
    // the first document was never closed: header and objects 1 and 2 only
    const std::string first = pdftest::ReadFile(dir.file("first.pdf"));
    EXPECT_EQ(first.substr(0, 10), "%PDF-1.3\r\n");
    EXPECT_NE(first.find("2 0 obj\r\n"), std::string::npos);
    EXPECT_EQ(first.find("xref"), std::string::npos);
    CheckPdf(dir.file("second.pdf"));
}

TEST(Document, TheTestsOwnReaderCatchesAnOffsetThatMissesByABlank)
{
    TempDir dir;
    const std::string path = dir.file("good.pdf");
    PdfWriter w;
    w.InitPDFFile(path);
    w.StartPage();
    w.EndPage();
    w.ClosePDFFile();
    std::string bytes = pdftest::ReadFile(path);
    ASSERT_TRUE(pdftest::ParsePdf(path).problems.empty());

    // one blank before "5 0 obj" and one CR less inside it: only the offset
    // of object 5 misses, by one byte. qpdf lets that pass; the test does not.
    const std::string shifted = dir.file("shifted.pdf");
    std::string s = bytes;
    const std::size_t five = s.find("5 0 obj\r\n<<\r/Type /Page");
    s.erase(five + 11, 1);
    s.insert(five, " ");
    pdftest::WriteFile(shifted, s);
    EXPECT_EQ(pdftest::QpdfProblems(shifted), "");
    const auto problems = pdftest::ParsePdf(shifted).problems;
    EXPECT_EQ(problems, std::vector<std::string>{
                            "xref offset of object 5 does not point exactly at its \"5 0 obj\""});

    // a content stream one byte longer than its length object says
    const std::string longer = dir.file("longer.pdf");
    s = bytes;
    s.replace(s.find("stream\r\nendstream"), 17, "stream\r\nxndstream");
    s.insert(s.find("xndstream"), "q");
    s.replace(s.find("xndstream"), 1, "e");
    pdftest::WriteFile(longer, s);
    EXPECT_FALSE(pdftest::ParsePdf(longer).problems.empty());
}
