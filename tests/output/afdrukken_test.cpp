#include "output/afdrukken.h"
#include "output/factuur_naar_pdf.h"

#include "support/recording_surface.h"
#include "support/bedrag.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct Afdruk {
    Factuur f;
    RecordingSurface s;
    ScriptedPrompts prompts;
    Afdrukken afdrukken;
    AfdrukBronnen bronnen{{"Korpela B.V.", "Lindeplein 59", ""}, {"Janssen & Zonen", ""}, "/nergens"};

    Afdruk()
    {
        ZetStandaardwaarden(f);
        f.LogoBestand.clear();
        f.AchtergrondBestand.clear();
    }
    void Druk() { afdrukken.FactuurAfdrukken(f, s, bronnen, prompts); }
    // The text printed right after "at x,y".
    QString Op(double x, double y) const
    {
        const int i = s.calls.indexOf(QStringLiteral("at %1,%2").arg(x).arg(y));
        return i >= 0 && i + 1 < s.calls.size() ? s.calls[i + 1] : QString();
    }
    bool Heeft(const QString& call) const { return s.calls.contains(call); }
};

// Fails its first operation, as a printer that is not there does.
class GeenPrinter : public RecordingSurface {
public:
    void setUnit(Unit) override { throw platform::SurfaceFout("no printer"); }
};

// Draws the page, then the spooler turns the job down.
class GeweigerdeOpdracht : public RecordingSurface {
public:
    void endDoc() override { throw platform::SurfaceFout("not accepting jobs"); }
};

}  // namespace

TEST(FactuurAfdrukken, PartiesNumberDateAndFooterStandAtTheirPlaces)
{
    Afdruk a;
    a.f.FactuurNummer = QStringLiteral("2026-7");
    a.f.FactuurDatum = QStringLiteral("08-12-2026");
    a.f.VoetTekst[2] = QStringLiteral("IBAN NL00 BANK 0123 4567 89");
    a.Druk();
    const QStringList& c = a.s.calls;
    ASSERT_GE(c.size(), 5);
    EXPECT_EQ(c.mid(0, 4), QStringList({"unit twips", "font Arial", "bold 1", "color (80,80,80)"}));
    EXPECT_EQ(a.Op(300, 2400), "print Korpela B.V.");
    EXPECT_EQ(a.Op(300, 2640), "print Lindeplein 59");
    EXPECT_EQ(a.Op(300, 2880), "print ");  // the list's empty last item
    EXPECT_EQ(a.Op(300, 4290), "print Factuurnr.       : 2026-7");
    EXPECT_EQ(a.Op(300, 4560), "print Factuurdatum : 08-12-2026");
    EXPECT_EQ(a.Op(6000, 3180), "print Janssen & Zonen");
    EXPECT_EQ(a.Op(6000, 3450), "print ");
    EXPECT_EQ(a.Op(90, 15200), "print Bij betaling factuurdatum en factuurnummer vermelden.");
    EXPECT_EQ(a.Op(90, 15470), "print IBAN NL00 BANK 0123 4567 89");
    const int voet = c.indexOf("at 90,15200");
    EXPECT_EQ(c.mid(voet - 3, 3), QStringList({"color (120,120,120)", "bold 0", "size 11"}));
    EXPECT_EQ(c.last(), "enddoc");
    EXPECT_TRUE(a.prompts.gevraagd.empty());
}

TEST(FactuurAfdrukken, LayoutOneLinesAmountsAndTotals)
{
    Afdruk a;
    a.f.LayoutNr = 1;
    a.f.Aantal[0] = QStringLiteral("3");
    a.f.Omschrijving[0] = QStringLiteral("Advies");
    a.f.Prijs[0] = QStringLiteral("12,50");
    a.f.Prijs[1] = QStringLiteral("0");
    a.Druk();
    EXPECT_EQ(a.Op(60, 5700), "print 3");
    EXPECT_EQ(a.Op(1370, 5700), "print Advies");
    EXPECT_EQ(a.Op(8205, 5700), "print 12,50");        // 8730 - 5 x 105
    EXPECT_EQ(a.f.Prijs[0], QStringLiteral("12.50"));  // stored back with a point
    EXPECT_EQ(a.Op(10050 - 4 * 105, 5700), "print 2,63");
    EXPECT_EQ(a.Op(11190 - 5 * 105, 5700), "print 15,13");
    // A price of 0 prints its own text and nothing in the other two columns.
    EXPECT_EQ(a.Op(8730 - 4 * 105, 5970), "print 0");
    EXPECT_FALSE(a.Heeft("at 9630,5970"));
    EXPECT_EQ(a.Op(60, 10830), "print ");              // the twentieth line
    EXPECT_TRUE(a.Heeft("filledbox 60,5580-11420,5595 (150,150,150)"));
    EXPECT_TRUE(a.Heeft("filledbox 8805,5595-8820,14750 (150,150,150)"));
    EXPECT_EQ(a.Op(8895, 5190), "print Btw");
    EXPECT_EQ(a.Op(6720, 13850), "print Totaal");
    EXPECT_EQ(a.Op(8730 - 5 * 105, 13850), "print 12,50");
    EXPECT_EQ(a.Op(10050 - 4 * 105, 13850), "print 2,63");
    EXPECT_EQ(a.Op(11190 - 5 * 105, 13850), "print 15,13");
    EXPECT_EQ(a.f.TotaalInclBtw, B("15.125"));
}

TEST(FactuurAfdrukken, CentsComeOutAsAnAccountantComputesThem)
{
    Afdruk a;
    a.f.LayoutNr = 1;
    a.f.Prijs[0] = QStringLiteral("10,50");
    a.f.Prijs[1] = QStringLiteral("33,50");
    a.f.Prijs[2] = QStringLiteral("65,50");
    a.Druk();
    EXPECT_EQ(a.Op(10050 - 4 * 105, 5700), "print 2,21");
    EXPECT_EQ(a.Op(11190 - 5 * 105, 5700), "print 12,71");
    EXPECT_EQ(a.Op(10050 - 4 * 105, 5970), "print 7,04");
    EXPECT_EQ(a.Op(10050 - 5 * 105, 6240), "print 13,76");
    EXPECT_EQ(a.Op(11190 - 5 * 105, 6240), "print 79,26");
    EXPECT_EQ(a.Op(10050 - 5 * 105, 13850), "print 23,00");
    EXPECT_EQ(a.Op(11190 - 6 * 105, 13850), "print 132,50");
}

TEST(FactuurAfdrukken, SubCentPricesCountInCentsAsOnThePageAndInThePaymentCode)
{
    Afdruk a;
    const char* prijzen[] = {"10,005", "0,125", "33,335", "1,999", "2,5"};
    for (int i = 0; i < 5; ++i)
        a.f.Prijs[i] = QString::fromLatin1(prijzen[i]);
    a.Druk();
    EXPECT_EQ(a.Op(11190 - 5 * 105, 13280), "print 47,98");
    EXPECT_EQ(a.Op(11190 - 5 * 105, 13880), "print 10,08");
    EXPECT_EQ(a.Op(11190 - 5 * 105, 14420), "print 58,06");
    EXPECT_EQ(platform::FormatBedrag(a.f.TotaalInclBtw), "58,06");
}

TEST(FactuurAfdrukken, TheLegalLinesStandClearOfRulesTotalsAndFooterInBothLayouts)
{
    for (int layout : {1, 2}) {
        Afdruk a;
        a.f.LayoutNr = static_cast<std::uint8_t>(layout);
        a.Druk();
        EXPECT_EQ(a.Op(1370, 14330), QString());   // nothing of it by default
        EXPECT_EQ(a.Op(90, 14820), QString());

        Afdruk b;
        b.f.LayoutNr = static_cast<std::uint8_t>(layout);
        b.f.BtwProcent = 0;
        b.f.Nultarief = NulTarief::Verlegd;
        b.f.Bedrijf.VerkopersRegel = true;
        b.f.Bedrijf.KvkNummer = QStringLiteral("12345678");
        b.f.Bedrijf.BetaalQr = true;
        b.Druk();
        // Below the totals' lower rule (14285), left of the stacked totals (9090),
        // right of the first column's rule (1230); the rules end at 14750.
        EXPECT_EQ(b.Op(1370, 14330), "print Btw verlegd") << layout;
        EXPECT_EQ(b.Op(1370, 14540), "print Btw-nummer afnemer: ontbreekt") << layout;
        // Between the rules' end and the footer at 15200, which a printer with
        // a half-inch bottom margin does not reach.
        EXPECT_EQ(b.Op(90, 14820), "print KvK 12345678") << layout;
    }
}

TEST(FactuurAfdrukken, ACreditNoteSaysWhatItCorrectsBetweenLogoAndAddress)
{
    for (int layout : {1, 2}) {
        Afdruk factuur;
        factuur.f.LayoutNr = static_cast<std::uint8_t>(layout);
        factuur.f.Prijs[0] = QStringLiteral("-100");
        Afdruk credit;
        credit.f = factuur.f;
        credit.f.BetreftNummer = QStringLiteral("2026-117");
        credit.f.BetreftDatum = QStringLiteral("05-12-2026");
        factuur.Druk();
        credit.Druk();

        // Each text's cell from its place and the size in force: the logo
        // ends at 2280, the address starts at 3180 in the same column.
        struct Cel {
            double x, boven, onder;
        };
        std::map<QString, Cel> cellen;
        double punten = 0;
        const QStringList& c = credit.s.calls;
        for (int i = 0; i + 1 < c.size(); ++i) {
            if (c[i].startsWith(QStringLiteral("size ")))
                punten = c[i].mid(5).toDouble();
            const auto plaats = c[i].mid(3).split(QLatin1Char(','));
            if (c[i].startsWith(QStringLiteral("at ")) && c[i + 1].startsWith(QStringLiteral("print ")))
                cellen[c[i + 1].mid(6)] = {plaats[0].toDouble(), plaats[1].toDouble(),
                                          plaats[1].toDouble() + punten * 20 * 1.2};
        }
        ASSERT_TRUE(cellen.count("Creditnota") && cellen.count("Betreft factuur 2026-117 van 05-12-2026")) << layout;
        const Cel kop = cellen["Creditnota"], betreft = cellen["Betreft factuur 2026-117 van 05-12-2026"];
        EXPECT_EQ(kop.x, 6000);
        EXPECT_EQ(betreft.x, 6000);
        EXPECT_GE(kop.boven, 2280) << layout;
        EXPECT_LE(kop.onder, betreft.boven) << layout;
        EXPECT_LE(betreft.onder, cellen["Janssen & Zonen"].boven) << layout;

        // Everything else is the invoice's page, down to the font in force after it.
        QStringList zonder = c;
        const int eerste = zonder.indexOf(QStringLiteral("print Creditnota")) - 2;   // from its size on
        const int laatste = zonder.indexOf(QStringLiteral("print Betreft factuur 2026-117 van 05-12-2026"));
        zonder.erase(zonder.begin() + eerste, zonder.begin() + laatste + 1);
        EXPECT_EQ(zonder, factuur.s.calls) << layout;
    }
}

TEST(FactuurAfdrukken, LayoutTwoStacksTheTotals)
{
    Afdruk a;
    a.f.LayoutNr = 2;
    a.f.BtwProcent = 0;
    a.f.Prijs[0] = QStringLiteral("100");
    a.Druk();
    EXPECT_EQ(a.Op(11220 - 6 * 105, 5700), "print 100");  // price column ends at 11220
    EXPECT_FALSE(a.Heeft("at 8895,5190"));                // no VAT heading in layout 2
    EXPECT_EQ(a.Op(10455, 5190), "print Totaal");
    EXPECT_TRUE(a.Heeft("filledbox 60,13100-11420,13115 (150,150,150)"));
    EXPECT_FALSE(a.Heeft("filledbox 7530,5595-7545,14750 (150,150,150)"));
    EXPECT_EQ(a.Op(9300, 13280), "print Totaal");
    EXPECT_EQ(a.Op(9090, 13880), "print Btw 0%");
    EXPECT_EQ(a.Op(11190 - 4 * 105, 13880), "print 0,00");
    EXPECT_EQ(a.Op(11190 - 6 * 105, 14420), "print 100,00");
}

TEST(FactuurAfdrukken, LongAmountsTakeThePreviousPosition)
{
    Afdruk a;
    a.f.LayoutNr = 2;
    a.f.Prijs[0] = QStringLiteral("1");
    a.f.Prijs[1] = QStringLiteral("1234567890.5");  // 13 characters formatted
    a.Druk();
    EXPECT_EQ(a.Op(11220 - 4 * 105, 5700), "print 1");
    EXPECT_EQ(a.Op(11220 - 4 * 105, 5970), "print 1234567890,5");  // where "1,00" stood
}

TEST(FactuurAfdrukken, OtherLayoutsPrintNoLinesAndTotalsRepeat)
{
    Afdruk a;
    a.f.LayoutNr = 3;
    a.f.Prijs[0] = QStringLiteral("1,5");
    a.Druk();
    EXPECT_FALSE(a.Heeft("at 60,5700"));
    EXPECT_EQ(a.f.Prijs[0], QStringLiteral("1,5"));  // untouched without a layout part
    EXPECT_EQ(a.s.calls.last(), "enddoc");

    Afdruk twee;
    twee.f.Prijs[0] = QStringLiteral("10");
    twee.Druk();
    twee.Druk();
    EXPECT_EQ(twee.f.TotaalInclBtw, B("12.1"));
}

TEST(FactuurAfdrukken, PicturesAreStretchedIntoTheirRectangles)
{
    // The folders as the build lays them out, and in other letter case:
    // the printout and the PDF find the pictures in both.
    const std::pair<const char*, const char*> mappen[] = {{"Logo", "Backgrounds"}, {"logo", "BACKGROUNDS"}};
    for (const auto& [logoMap, achtergrondMap] : mappen) {
        SCOPED_TRACE(logoMap);
        TempProgramFolder map;
        QDir(map.path()).rename(QStringLiteral("Logo"), QString::fromLatin1(logoMap));
        QDir(map.path()).rename(QStringLiteral("Backgrounds"), QString::fromLatin1(achtergrondMap));
        QImage logo(625, 125, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        logo.save(map.file(QString::fromLatin1(logoMap) + "/l.bmp"), "BMP");
        logo.save(map.file(QString::fromLatin1(achtergrondMap) + "/b.bmp"), "BMP");
        Afdruk a;
        a.bronnen.programmaMap = map.path();
        a.f.LogoBestand = QStringLiteral("l.bmp");
        a.f.AchtergrondBestand = QStringLiteral("b.bmp");
        a.f.LayoutNr = 2;
        a.Druk();
        EXPECT_TRUE(a.Heeft("picture 625x125 at 0,0 size 11190x2280"));
        EXPECT_TRUE(a.Heeft("picture 625x125 at 1260,5610 size 8790x7455"));

        const auto pdf = FactuurPdf(a.f, QStringLiteral("x"), PdfBronnen{{}, {}, {}, map.path()}, 0);
        ASSERT_TRUE(pdf.has_value());
        EXPECT_TRUE(pdf->contains("/Img1 Do"));
        EXPECT_TRUE(pdf->contains("/Img2 Do"));
    }

    Afdruk ontbreekt;
    ontbreekt.f.LogoBestand = QStringLiteral("weg.bmp");
    ontbreekt.Druk();
    EXPECT_EQ(ontbreekt.s.calls.filter("picture").size(), 0);
    EXPECT_EQ(ontbreekt.s.calls.last(), "enddoc");
}

TEST(FactuurAfdrukken, AMissingPrinterIsReportedAndNothingIsSent)
{
    Afdruk a;
    GeenPrinter geen;
    a.afdrukken.FactuurAfdrukken(a.f, geen, a.bronnen, a.prompts);
    ASSERT_EQ(a.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(a.prompts.gevraagd[0].tekst, QStringLiteral("Geen printer aangesloten...\r\nof de printer staat niet aan!"));
    EXPECT_FALSE(geen.calls.contains("enddoc"));

    a.afdrukken.EnvelopAfdrukken(geen, {"x"}, a.prompts);
    EXPECT_EQ(a.prompts.gevraagd.size(), 2u);
}

TEST(FactuurAfdrukken, AJobThePrinterRefusesIsReportedEvenAfterAPicture)
{
    for (const char* logo : {"", "voorbeeld-1.bmp"}) {
        Afdruk a;
        a.f.LogoBestand = QString::fromLatin1(logo);
        GeweigerdeOpdracht geweigerd;
        a.afdrukken.FactuurAfdrukken(a.f, geweigerd, a.bronnen, a.prompts);
        ASSERT_EQ(a.prompts.gevraagd.size(), 1u) << logo;
        EXPECT_EQ(a.prompts.gevraagd[0].tekst, kGeenPrinter) << logo;

        a.afdrukken.EnvelopAfdrukken(geweigerd, {"x"}, a.prompts);
        EXPECT_EQ(a.prompts.gevraagd.size(), 2u) << logo;
    }
}

TEST(EnvelopAfdrukken, AddressLinesThreeHundredTwipsApart)
{
    Afdruk a;
    a.afdrukken.EnvelopAfdrukken(a.s, {"Janssen & Zonen", "Voorbeeldstraat 52", "1234 AA, Amsterdam", "Nederland", ""},
                                 a.prompts);
    EXPECT_EQ(a.s.calls.mid(0, 5), QStringList({"unit twips", "font Arial", "bold 1", "color (0,0,0)", "size 12"}));
    EXPECT_EQ(a.Op(6000, 4500), "print Janssen & Zonen");
    EXPECT_EQ(a.Op(6000, 4800), "print Voorbeeldstraat 52");
    EXPECT_EQ(a.Op(6000, 5400), "print Nederland");
    EXPECT_EQ(a.Op(6000, 5700), "print ");
    EXPECT_EQ(a.s.calls.last(), "enddoc");
}

TEST(BedragPositie, OnlyTwoToTwelveCharactersMove)
{
    Afdrukken a;
    a.BedragPositie(5, -2460);
    EXPECT_EQ(a.Bedragpositie(), 8205);
    for (int n : {0, 1, 13, 200}) {
        a.BedragPositie(n, 0);
        EXPECT_EQ(a.Bedragpositie(), 8205) << n;
    }
    a.BedragPositie(12, 30);
    EXPECT_EQ(a.Bedragpositie(), 9960);
    a.BedragPositie(2, 0);
    EXPECT_EQ(a.Bedragpositie(), 10980);
}
