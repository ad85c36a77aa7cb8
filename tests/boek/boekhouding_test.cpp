// The rules of the book's window and of the VAT return, on rows as the book gives them.
#include "boek/btw_aangifte.h"
#include "boek/creditnota.h"
#include "boek/mailbericht.h"
#include "boek/overzicht.h"
#include "boek/volgend_nummer.h"
#include "invoice/prijs.h"

#include "boek/boek_fixture.h"
#include "platform/mail.h"
#include "support/bedrag.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(VolgendNummer, ContinuesThePatternOfTheLastNumber)
{
    const struct {
        const char* laatste;
        int jaar;
        const char* volgend;
    } gevallen[] = {
        {"2026-117", 2026, "2026-118"}, {"F0099", 2026, "F0100"},       {"17", 2026, "18"},
        {"99", 2026, "100"},            {"2026-117", 2027, "2027-001"}, {"2026/9", 2028, "2028/1"},
        {"A12-B", 2026, "A13-B"},       {"2026", 2027, "2027"},         {"factuur", 2026, ""},
        {" 2026-0999 ", 2026, "2026-1000"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(VolgendNummer(g.laatste, QDate(g.jaar, 3, 1)), g.volgend) << g.laatste << " in " << g.jaar;
}

TEST(VolgendNummer, IsOfferedOnceTheInvoicesNumberIsIssuedAndSkipsTakenNumbers)
{
    const QStringList uitgegeven{"2026-117", "2026-118", "2026-120"};
    const auto isUitgegeven = [&](const QString& n) { return uitgegeven.contains(n); };
    const QDate dag(2026, 12, 5);
    EXPECT_EQ(VoorgesteldNummer("2026-120", "2026-117", isUitgegeven, dag), "2026-119");
    EXPECT_EQ(VoorgesteldNummer("2026-118", "2026-118", isUitgegeven, dag), "2026-119");
    EXPECT_EQ(VoorgesteldNummer("2026-119", "2026-118", isUitgegeven, dag), "2026-119");  // the user's own, not issued
    EXPECT_EQ(VoorgesteldNummer("001", "", isUitgegeven, dag), "001");                     // an empty book
}

Boekregel Regel(const char* nummer, QDate datum, const char* ex, int procent, NulTarief geval = NulTarief::NulProcent,
                std::optional<QDate> betaald = {})
{
    Boekregel r;
    Uitgifte& u = r.uitgifte;
    u.nummer = nummer;
    u.klant = QStringLiteral("Klant ") + nummer;
    u.datum = datum;
    u.vervaldatum = datum.addDays(30);
    u.btwProcent = procent;
    u.nultarief = geval;
    u.exBtw = B(ex);
    u.btw = u.exBtw.MaalProcent(procent).OpCenten();
    u.inclBtw = u.exBtw + u.btw;
    if (u.exBtw < platform::Bedrag())
        u.betreftNummer = "2026-001";
    r.betaald = betaald;
    return r;
}

const QDate kVandaag(2027, 1, 14);

TEST(Facturenboekvenster, StatusSaysPaidOpenOrHowLate)
{
    EXPECT_EQ(StatusTekst(Regel("1", QDate(2026, 12, 1), "10", 21, {}, QDate(2027, 1, 12)), kVandaag),
              "Betaald 12-01-2027");
    EXPECT_EQ(StatusTekst(Regel("2", QDate(2026, 12, 15), "10", 21), kVandaag), "Open");      // due the 14th
    EXPECT_EQ(StatusTekst(Regel("3", QDate(2026, 12, 14), "10", 21), kVandaag), "Te laat (1 dag)");
    EXPECT_EQ(StatusTekst(Regel("4", QDate(2026, 12, 1), "10", 21), kVandaag), "Te laat (14 dagen)");
    EXPECT_EQ(StatusTekst(Regel("5", QDate(2026, 12, 1), "-10", 21), kVandaag), "Open");      // a credit note
}

TEST(Facturenboekvenster, FiltersByYearQuarterStatusAndSearchAndTotalsWhatIsShown)
{
    const std::vector<Boekregel> regels{
        Regel("2026-003", QDate(2026, 12, 1), "300", 21),
        Regel("2026-002", QDate(2026, 7, 1), "200", 21, {}, QDate(2026, 7, 5)),
        Regel("2026-001", QDate(2026, 1, 2), "100", 9),
        Regel("2025-009", QDate(2025, 12, 30), "50", 21),
    };
    const struct {
        BoekFilter filter;
        std::vector<int> getoond;
        const char* incl;
    } gevallen[] = {
        {{}, {0, 1, 2, 3}, "774.50"},
        {{2026, 0, BoekStatus::Alle, {}}, {0, 1, 2}, "714"},
        {{2026, 3, BoekStatus::Alle, {}}, {1}, "242"},
        {{0, 0, BoekStatus::Open, {}}, {0, 2, 3}, "532.50"},
        {{0, 0, BoekStatus::Betaald, {}}, {1}, "242"},
        {{0, 0, BoekStatus::TeLaat, {}}, {0, 2, 3}, "532.50"},
        {{0, 0, BoekStatus::Alle, "klant 2026"}, {0, 1, 2}, "714"},
        {{0, 0, BoekStatus::Alle, "-009"}, {3}, "60.50"},
    };
    for (const auto& g : gevallen) {
        const auto getoond = Gefilterd(regels, g.filter, kVandaag);
        EXPECT_EQ(getoond, g.getoond) << g.incl;
        EXPECT_EQ(TotalenVan(regels, getoond).inclBtw, B(g.incl));
    }
    EXPECT_EQ(Jaren(regels), (QList<int>{2026, 2025}));
}

TEST(BtwAangifte, SumsEachRubriekOfTheQuarterWithCreditNotesNegative)
{
    const std::vector<Boekregel> regels{
        Regel("1", QDate(2026, 10, 1), "1000", 21),
        Regel("2", QDate(2026, 11, 1), "-200", 21),                        // credit note
        Regel("3", QDate(2026, 11, 2), "100", 9),
        Regel("4", QDate(2026, 11, 3), "40", 13),
        Regel("5", QDate(2026, 12, 4), "70", 0, NulTarief::NulProcent),
        Regel("6", QDate(2026, 12, 5), "80", 0, NulTarief::Verlegd),
        Regel("7", QDate(2026, 12, 6), "500", 0, NulTarief::Intracommunautair),
        Regel("8", QDate(2026, 12, 7), "60", 0, NulTarief::Vrijgesteld),
        Regel("9", QDate(2026, 9, 30), "5000", 21),                        // the quarter before
        Regel("10", QDate(2027, 10, 1), "7", 21),                          // a year later
    };
    const BtwAangifte a = BerekenAangifte(regels, 2026, 4);
    const struct {
        Rubriek rubriek;
        const char* omzet;
        const char* btw;
    } verwacht[] = {
        {Rubriek::R1a, "800", "168"}, {Rubriek::R1b, "100", "9"},  {Rubriek::R1c, "40", "5.20"},
        {Rubriek::R1e, "150", "0"},   {Rubriek::R3b, "500", "0"},
    };
    for (const auto& v : verwacht) {
        EXPECT_EQ(a.rubrieken[int(v.rubriek)].omzet, B(v.omzet)) << RubriekNaam(v.rubriek).toStdString();
        EXPECT_EQ(a.rubrieken[int(v.rubriek)].btw, B(v.btw)) << RubriekNaam(v.rubriek).toStdString();
    }
    EXPECT_EQ(a.documenten, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(a.kor);
    EXPECT_EQ(a.korOmzet, B("6150"));   // the year in the Netherlands: 3b left out
    EXPECT_FALSE(BerekenAangifte(regels, 2027, 4).kor);
}

TEST(BtwAangifte, CsvIsUtf8WithSemicolonsDecimalCommasAndOneHeaderRow)
{
    std::vector<Boekregel> regels{Regel("2026-001", QDate(2026, 10, 1), "1234.5", 21),
                                  Regel("=2026;2", QDate(2026, 10, 2), "-10", 21)};
    regels[0].uitgifte.klant = QStringLiteral("Café \"De Zon\"; Ede");
    const BtwAangifte a = BerekenAangifte(regels, 2026, 4);
    const QStringList cijfers = QString::fromUtf8(AangifteCsv(a)).split("\r\n");
    EXPECT_EQ(cijfers[0], "Rubriek;Omschrijving;Omzet;Btw");
    EXPECT_EQ(cijfers[1], "1a;Leveringen/diensten belast met hoog tarief;1224,50;257,15");
    EXPECT_EQ(cijfers.size(), 7);   // five rubrieken, no KOR line, the last line end
    const QStringList lijst = QString::fromUtf8(DocumentenCsv(a, regels, kVandaag)).split("\r\n");
    ASSERT_EQ(lijst.size(), 4);
    EXPECT_TRUE(lijst[0].startsWith("Nummer;Soort;Datum;Klant;"));
    EXPECT_EQ(lijst[1], "2026-001;Factuur;01-10-2026;\"Café \"\"De Zon\"\"; Ede\";;;21;1a;1234,50;259,25;1493,75;;"
                        "Te laat (75 dagen)");
    // A text a spreadsheet would run as a formula is kept a text.
    EXPECT_TRUE(lijst[2].startsWith("\"'=2026;2\";Creditnota;")) << lijst[2].toStdString();
    EXPECT_TRUE(lijst[2].contains(";-10,00;-2,10;-12,10;2026-001;Open"));
}

}  // namespace

namespace {

TEST(Creditnota, TurnsEveryPriceAndNamesTheInvoiceItCorrects)
{
    const struct {
        const char* prijs;
        const char* tegengesteld;
    } prijzen[] = {{"12,50", "-12,50"}, {"-3", "3"}, {"+4,10", "-4,10"}, {" 7 ", "-7"}, {"", ""}, {"0,00", "0,00"},
                   {"1.234,50", "-1234,50"}, {"€ 12,50", "-12,50"}, {"12abc", "-12abc"}};
    for (const auto& p : prijzen) {
        EXPECT_EQ(TegengesteldePrijs(p.prijs), p.tegengesteld) << p.prijs;
        EXPECT_EQ(PrijsWaarde(TegengesteldePrijs(p.prijs)), platform::Bedrag() - PrijsWaarde(p.prijs)) << p.prijs;
    }

    Factuur f = TestFactuur("2026-117", "05-12-2026", {"100", "10,55"});
    const Uitgifte factuur = TestUitgifte(f);
    MaakCreditnota(f, factuur, "2026-130", QDate(2027, 1, 14));
    EXPECT_EQ(f.FactuurNummer, "2026-130");
    EXPECT_EQ(f.FactuurDatum, "14-01-2027");
    EXPECT_EQ(f.BetreftNummer, "2026-117");
    EXPECT_EQ(f.BetreftDatum, "05-12-2026");
    const Uitgifte credit = TestUitgifte(f);
    EXPECT_TRUE(credit.IsCreditnota());
    EXPECT_EQ(credit.exBtw, platform::Bedrag() - factuur.exBtw);
    EXPECT_EQ(credit.btw, platform::Bedrag() - factuur.btw);
    EXPECT_EQ(credit.inclBtw, platform::Bedrag() - factuur.inclBtw);
}

TEST(Mailen, NamesTheNumberAmountAndDueDateAndAttachesWhatIsKept)
{
    TempProgramFolder map;
    map.write("2026-117.pdf", "%PDF-1");
    Boekregel r = Regel("2026-117", QDate(2026, 12, 5), "100", 21);
    r.uitgifte.email = " inkoop@korf.nl ";
    r.pdf = map.file("2026-117.pdf");
    r.efactuur = map.file("weg.xml");   // gone since: not attached
    const Mailbericht m = MailVoor(r);
    EXPECT_EQ(m.aan, "inkoop@korf.nl");
    EXPECT_EQ(m.onderwerp, "Factuur 2026-117");
    EXPECT_TRUE(m.tekst.contains("€ 121,00")) << m.tekst.toStdString();
    EXPECT_TRUE(m.tekst.contains("uiterlijk 04-01-2027")) << m.tekst.toStdString();
    EXPECT_EQ(m.bijlagen, QStringList{map.file("2026-117.pdf")});
    // An address read as an option would make the mail program do something else.
    EXPECT_FALSE(platform::MailArgumenten("--help", "s", "t", {}).contains("--help"));
    EXPECT_EQ(platform::MailArgumenten("a@b.nl", "s", "t", {"/x.pdf"}).mid(5),
              (QStringList{"--attach", "/x.pdf", "a@b.nl"}));
}

}  // namespace
