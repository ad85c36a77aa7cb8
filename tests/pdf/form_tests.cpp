// Form objects, drawn explicitly and by their page options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pdf/pdf_test_support.h"
#include "pdf/pdf_writer.h"

using pdf::PdfWriter;
using Lines = std::vector<std::string>;

namespace {

// The "/Name Do" lines at the start of every page's content, page by page.
std::vector<Lines> FormsPerPage(const pdftest::PdfFile& f)
{
    std::vector<Lines> pages;
    const std::string& tree = f.objects.at(3);
    std::size_t at = tree.find("/Kids [") + 7;
    while (true) {
        const int page = std::atoi(tree.c_str() + at);
        if (page == 0)
            break;
        Lines forms;
        for (const auto& line : f.StreamLines(f.ContentsOf(page))) {
            if (line.size() > 3 && line.compare(line.size() - 3, 3, " Do") == 0)
                forms.push_back(line.substr(1, line.size() - 4));
        }
        pages.push_back(forms);
        at = tree.find(" 0 R ", at) + 5;
    }
    return pages;
}

}  // namespace

TEST(Forms, PageOptionsOverSixPages)
{
    pdftest::TempDir dir;
    const std::string path = dir.file("forms.pdf");
    PdfWriter w;
    w.InitPDFFile(path);
    w.LoadFont("F1", "Arial", 1);
    const std::pair<const char*, int> forms[] = {{"All", 0}, {"Odd", 2}, {"Even", 4}, {"EvenAndFirst", 12},
                                                 {"Never", 7}, {"OddToo", 10}};
    for (auto [name, options] : forms) {
        w.StartObject(name, options);
        w.DrawText(20, 800, name, "F1", 10);
        w.EndObject();
    }
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(w.StartPage(), p);
        w.DrawText(20, 400, "Pagina " + std::to_string(p), "F1", 10);
        w.EndPage();
    }
    w.ClosePDFFile();
    const auto f = pdftest::CheckPdf(path);
    const std::vector<Lines> expected = {
        {"All", "Odd", "EvenAndFirst", "OddToo"},  // page 1
        {"All", "Even", "EvenAndFirst"},
        {"All", "Odd", "OddToo"},
        {"All", "Even", "EvenAndFirst"},
        {"All", "Odd", "OddToo"},
        {"All", "Even", "EvenAndFirst"},
    };
    EXPECT_EQ(FormsPerPage(f), expected);

    // and a reader sees the forms' text on those pages
    for (int p = 1; p <= 6; ++p) {
        const std::string text =
            pdftest::Run("pdftotext -f " + std::to_string(p) + " -l " + std::to_string(p) + " " + pdftest::Quote(path) + " -")
                .output;
        EXPECT_NE(text.find("Pagina " + std::to_string(p)), std::string::npos);
        EXPECT_EQ(text.find("Odd") != std::string::npos, p % 2 == 1) << "page " << p << "\n" << text;
        EXPECT_EQ(text.find("EvenAndFirst") != std::string::npos, p == 1 || p % 2 == 0) << "page " << p;
        EXPECT_EQ(text.find("Never"), std::string::npos);
    }
}

TEST(Forms, FormObjectAsPart44WritesIt)
{
    pdftest::TempDir dir;
    const std::string path = dir.file("form.pdf");
    PdfWriter w;
    w.ScaleMode(3);
    w.Margin(10);
    w.InitPDFFile(path);
    w.StartObject("Frm1", 7);  // never drawn by itself
    w.SetColorStroke(0);
    w.Rectangle(10, 10, 190, 277);
    w.EndObject();
    w.StartPage();
    w.DrawObject("Frm1");
    w.EndPage();
    w.StartPage();  // a form defined between pages reaches the pages after it only
    w.EndPage();
    w.ClosePDFFile();
    const auto f = pdftest::CheckPdf(path);
    EXPECT_EQ(f.objects.at(5),
              "<<\r/Type /XObject\r/Subtype /Form\r/FormType 1\r/Name /Frm1\r"
              "/BBox [28.346 28.346 566.854 813.654]\r/Matrix [1 0 0 1 0 0]\r/Length 6 0 R >>\rstream\r\n"
              "0 G\r\nn\r\n28.346 28.346 538.583 785.197 re\r\nS\r\nendstream\r\n");
    EXPECT_EQ(f.objects.at(6), "45\r\n");
    EXPECT_EQ(f.StreamLines(f.ContentsOf(7)), Lines{"/Frm1 Do"});
    EXPECT_EQ(f.objects.at(4), "<<\r/ProcSet [/PDF /Text ]\r/XObject <<\r\r/Frm1 5 0 R \r>>\r>>\r\n");
}

TEST(Forms, DefinedAfterAPageReachesOnlyLaterPages)
{
    pdftest::TempDir dir;
    const std::string path = dir.file("later.pdf");
    PdfWriter w;
    w.InitPDFFile(path);
    w.LoadImgFromBuffer("Img1", std::vector<std::uint8_t>{255, 0, 0}, {}, 1, 1, 24);
    w.StartPage();
    w.EndPage();
    w.StartObject("Logo");
    w.DrawImg("Img1", 10, 800, 50, 50);
    w.EndObject();
    w.StartPage();
    w.EndPage();
    w.ClosePDFFile();
    const auto f = pdftest::CheckPdf(path);
    EXPECT_EQ(FormsPerPage(f), (std::vector<Lines>{{}, {"Logo"}}));
    EXPECT_NE(f.objects.at(4).find("/XObject <<\r/Img1 5 0 R \r\r/Logo 10 0 R \r>>\r"), std::string::npos)
        << f.objects.at(4);
}
