#include "output/factuur_naar_pdf.h"

#include "pdf/pdf_test_support.h"
#include "support/temp_folder.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// One text run of the page's content stream.
struct TextRun {
    std::string font;
    std::string size;
    double x = 0, y = 0;  // points
    std::string text;
    std::string colour;   // the fill colour in force
};

std::vector<TextRun> Runs(const pdftest::PdfFile& pdf)
{
    for (const auto& [object, data] : pdf.streams) {
        if (data.find(") Tj") == std::string::npos)
            continue;
        std::vector<TextRun> runs;
        std::string colour;
        TextRun run;
        for (const std::string& line : pdf.StreamLines(object)) {
            if (line.size() > 3 && line.compare(line.size() - 3, 3, " rg") == 0)
                colour = line;
            else if (line.size() > 3 && line.compare(line.size() - 3, 3, " Tf") == 0) {
                const auto blank = line.find(' ');
                run.font = line.substr(1, blank - 1);
                run.size = line.substr(blank + 1, line.size() - blank - 4);
            } else if (line.size() > 3 && line.compare(line.size() - 3, 3, " Td") == 0)
                std::sscanf(line.c_str(), "%lf %lf", &run.x, &run.y);
            else if (line.size() > 4 && line.compare(line.size() - 4, 4, ") Tj") == 0) {
                run.text = line.substr(1, line.size() - 5);
                run.colour = colour;
                runs.push_back(run);
            }
        }
        return runs;
    }
    return {};
}

double Pt(double mm)
{
    return mm * 72 / 25.4;
}

// Arial's widths of the characters amounts are made of, per 1000 units.
double AmountWidth(const std::string& text, double size)
{
    double units = 0;
    for (char c : text)
        units += (c == ',' || c == '.') ? 278 : 556;
    return units * size / 1000;
}

const TextRun* Find(const std::vector<TextRun>& runs, const std::string& text, std::size_t from = 0)
{
    for (std::size_t i = from; i < runs.size(); ++i)
        if (runs[i].text == text)
            return &runs[i];
    return nullptr;
}

struct Export {
    TempProgramFolder map;
    Factuur f;
    PdfBronnen b;
    Export()
    {
        ZetStandaardwaarden(f);
        f.LogoBestand.clear();
        f.AchtergrondBestand.clear();
        f.FactuurDatum = QStringLiteral("08-12-2026");
        f.Aantal[0] = QStringLiteral("2x");
        f.Omschrijving[0] = QStringLiteral("Café-advies €");
        f.Prijs[0] = QStringLiteral("12.40");
        b.afzender = {"Korpela B.V.", "Lindeplein 59", ""};
        b.adres = {"Janssen & Zonen", ""};
        const char* kop[] = {"", "Datum", "Omschrijving", "Ex.Btw", "Btw 21%", "Totaal", "Ex.Btw",
                             "Btw 21%", "Totaal", "", "12,40", "2,60", "15,00"};
        for (int i = 0; i < 13; ++i)
            b.Kop[i] = QString::fromLatin1(kop[i]);
        b.programmaMap = map.path();
    }
    std::string Schrijf()
    {
        const QString pad = map.file("factuur.pdf");
        EXPECT_TRUE(FactuurNaarPdf(f, pad, QStringLiteral("factuur"), b));
        return pad.toStdString();
    }
};

}  // namespace

TEST(FactuurNaarPdf, LayoutOnePageOperatorByOperator)
{
    Export e;
    e.f.LayoutNr = 1;
    const std::string pad = e.Schrijf();
    const auto pdf = pdftest::CheckPdf(pad);
    const auto runs = Runs(pdf);
    ASSERT_FALSE(runs.empty());

    // Sender in grey (120), address darker (40), Fnt2 throughout.
    EXPECT_EQ(runs[0].text, "Korpela B.V.");
    EXPECT_EQ(runs[0].font, "Fnt2");
    EXPECT_EQ(runs[0].size, "12");
    EXPECT_NEAR(runs[0].x, Pt(15), 0.001);
    EXPECT_NEAR(runs[0].y, Pt(240), 0.001);
    EXPECT_EQ(runs[0].colour, "0.471 0.471 0.471 rg");
    EXPECT_NEAR(runs[2].y, Pt(230), 0.001);  // the empty last item, 5 mm lower each
    EXPECT_EQ(runs[2].text, "");
    const TextRun* nummer = Find(runs, "Factuurnr.          : 001");
    ASSERT_TRUE(nummer);
    EXPECT_NEAR(nummer->y, Pt(204), 0.001);
    ASSERT_TRUE(Find(runs, "Factuurdatum    : 08-12-2026"));
    const TextRun* adres = Find(runs, "Janssen & Zonen");
    ASSERT_TRUE(adres);
    EXPECT_EQ(adres->size, "14");
    EXPECT_NEAR(adres->x, Pt(100), 0.001);
    EXPECT_EQ(adres->colour, "0.157 0.157 0.157 rg");

    // Headings: the VAT heading right-aligned at 179 mm.
    const TextRun* btwKop = Find(runs, "Btw 21%");
    ASSERT_TRUE(btwKop);
    EXPECT_EQ(btwKop->colour, "0.196 0.196 0.196 rg");
    EXPECT_NEAR(btwKop->y, Pt(184), 0.001);

    // The first line: price, VAT and total end at 153, 178 and 205 mm.
    const TextRun* regelPrijs = nullptr;
    for (const TextRun& r : runs)
        if (r.text == "12,40" && r.font == "Fnt1")
            regelPrijs = &r;
    ASSERT_TRUE(regelPrijs);
    EXPECT_NEAR(regelPrijs->x, Pt(153) - AmountWidth("12,40", 11), 0.002);
    EXPECT_NEAR(regelPrijs->y, Pt(175), 0.001);
    EXPECT_EQ(regelPrijs->size, "11");
    EXPECT_EQ(regelPrijs->colour, "0.235 0.235 0.235 rg");
    int vat = 0, total = 0;
    for (const TextRun& r : runs) {
        if (r.text == "2,60" && r.font == "Fnt1") {
            ++vat;
            EXPECT_NEAR(r.x, Pt(178) - AmountWidth("2,60", 11), 0.002);
        }
        if (r.text == "15,00" && r.font == "Fnt1") {
            ++total;
            EXPECT_NEAR(r.x, Pt(205) - AmountWidth("15,00", 11), 0.002);
        }
    }
    EXPECT_EQ(vat, 1);
    EXPECT_EQ(total, 1);
    EXPECT_EQ(e.f.Prijs[0], QStringLiteral("12,40"));

    // Totals from the preview's captions, in Fnt2 at 33 mm, before the lines.
    const TextRun* totaal = Find(runs, "12,40");
    ASSERT_TRUE(totaal);
    EXPECT_EQ(totaal->font, "Fnt2");
    EXPECT_NEAR(totaal->y, Pt(33), 0.001);
    EXPECT_NEAR(totaal->x, Pt(154) - AmountWidth("12,40", 11), 0.002);  // bold digits are as wide
    const std::string tekst = pdftest::PdfToText(pad);
    for (const char* woord : {"Korpela B.V.", "Café-advies €", "12,40", "2,60", "15,00", "Janssen & Zonen"})
        EXPECT_NE(tekst.find(woord), std::string::npos) << woord;
}

TEST(FactuurNaarPdf, LineColumnsCarryTheExactCents)
{
    Export e;
    e.f.LayoutNr = 1;
    e.f.Prijs[0] = QStringLiteral("10,50");
    e.f.Prijs[1] = QStringLiteral("33,50");
    e.f.Prijs[2] = QStringLiteral("65,50");
    const auto runs = Runs(pdftest::CheckPdf(e.Schrijf()));
    for (const char* bedrag : {"2,21", "12,71", "7,04", "40,54", "13,76", "79,26"}) {
        const TextRun* r = Find(runs, bedrag);
        ASSERT_TRUE(r) << bedrag;
        EXPECT_EQ(r->font, "Fnt1") << bedrag;
    }
}

TEST(FactuurNaarPdf, LayoutTwoDrawsOnlyThePriceColumn)
{
    Export e;
    e.f.LayoutNr = 2;
    e.f.BtwProcent = 0;
    const auto runs = Runs(pdftest::CheckPdf(e.Schrijf()));
    int prijzen = 0;
    for (const TextRun& r : runs)
        if (r.font == "Fnt1" && r.text == "12,40") {
            ++prijzen;
            EXPECT_NEAR(r.x, Pt(205) - AmountWidth("12,40", 11), 0.002);
        }
    EXPECT_EQ(prijzen, 1);
    EXPECT_FALSE(Find(runs, "2,60") && Find(runs, "2,60")->font == "Fnt1");
    const TextRun* exBtw = Find(runs, "Ex.Btw");
    ASSERT_TRUE(exBtw);
    EXPECT_NEAR(exBtw->x, Pt(163), 0.001);
    EXPECT_NEAR(exBtw->y, Pt(43), 0.001);
}

TEST(FactuurNaarPdf, ACreditNoteSaysWhatItCorrectsBetweenLogoAndAddress)
{
    for (int layout : {1, 2}) {
        Export factuur;
        factuur.f.LayoutNr = static_cast<std::uint8_t>(layout);
        Export credit;
        credit.f = factuur.f;
        credit.f.BetreftNummer = QStringLiteral("2026-117");
        credit.f.BetreftDatum = QStringLiteral("05-12-2026");
        const auto zonder = Runs(pdftest::CheckPdf(factuur.Schrijf()));
        const std::string pad = credit.Schrijf();
        auto runs = Runs(pdftest::CheckPdf(pad));

        const TextRun* kop = Find(runs, "Creditnota");
        const TextRun* betreft = Find(runs, "Betreft factuur 2026-117 van 05-12-2026");
        const TextRun* adres = Find(runs, "Janssen & Zonen");
        ASSERT_TRUE(kop && betreft && adres) << layout;
        // Arial reaches 0.905 of its size above the baseline and 0.212 below.
        const auto boven = [](const TextRun* r) { return r->y + 0.905 * std::stod(r->size); };
        const auto onder = [](const TextRun* r) { return r->y - 0.212 * std::stod(r->size); };
        EXPECT_LE(boven(kop), Pt(252)) << "into the logo, layout " << layout;
        EXPECT_GE(onder(kop), boven(betreft)) << layout;
        EXPECT_GE(onder(betreft), boven(adres)) << "onto the address, layout " << layout;
        EXPECT_NEAR(kop->x, Pt(100), 0.001);
        EXPECT_NEAR(betreft->x, Pt(100), 0.001);
        const std::string tekst = pdftest::PdfToText(pad);
        EXPECT_NE(tekst.find("Creditnota"), std::string::npos);
        EXPECT_NE(tekst.find("Betreft factuur 2026-117 van 05-12-2026"), std::string::npos);

        // Everything else is the invoice's page.
        std::erase_if(runs, [](const TextRun& r) {
            return r.text == "Creditnota" || r.text == "Betreft factuur 2026-117 van 05-12-2026";
        });
        ASSERT_EQ(runs.size(), zonder.size());
        for (std::size_t i = 0; i < runs.size(); ++i)
            EXPECT_TRUE(runs[i].text == zonder[i].text && runs[i].colour == zonder[i].colour) << runs[i].text;
    }
}

TEST(FactuurNaarPdf, PicturesAndAFailedWrite)
{
    Export e;
    QImage logo(625, 125, QImage::Format_RGB32);
    logo.fill(Qt::red);
    logo.save(e.map.file("Logo/l.bmp"), "BMP");
    e.f.LogoBestand = QStringLiteral("l.bmp");
    e.f.AchtergrondBestand = QStringLiteral("kapot.bmp");
    e.map.write("Backgrounds/kapot.bmp", "BM not really");
    const auto pdf = pdftest::CheckPdf(e.Schrijf());
    EXPECT_NE(pdf.bytes.find("/Img1 Do"), std::string::npos);
    EXPECT_EQ(pdf.bytes.find("/Img2"), std::string::npos);

    // A name with a folder part counts as missing, even where a file answers to it.
    e.f.LogoBestand = QStringLiteral("../Logo/l.bmp");
    EXPECT_EQ(pdftest::CheckPdf(e.Schrijf()).bytes.find("/Img1"), std::string::npos);

    EXPECT_FALSE(FactuurNaarPdf(e.f, e.map.file("Nergens/x.pdf"), QStringLiteral("x"), e.b));
    EXPECT_FALSE(QDir(e.map.file("Nergens")).exists());
}

