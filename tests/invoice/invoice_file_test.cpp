#include "invoice/algemeen.h"
#include "invoice/invoice_file.h"
#include "platform/amount.h"

#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/bedrag.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QByteArray kKop = "\"Averno Software 2011\"\r\n\"--------------------------\"\r\n";
const QByteArray kStreep = "\"--------------------------\"\r\n";
const QByteArray kLegeRegel = "\"\",\"\",\"\"\r\n";

QByteArray LegeRegels(int aantal)
{
    return kLegeRegel.repeated(aantal);
}

Factuur MetRegels(std::initializer_list<std::array<const char*, 3>> regels)
{
    Factuur f;
    ZetStandaardwaarden(f);
    int i = 0;
    for (const auto& r : regels) {
        f.Aantal[i] = QString::fromUtf8(r[0]);
        f.Omschrijving[i] = QString::fromUtf8(r[1]);
        f.Prijs[i] = QString::fromUtf8(r[2]);
        ++i;
    }
    return f;
}

// A program folder and the answers of the user for one save.
struct Opslaan {
    TempProgramFolder map;
    ScriptedPrompts prompts;

    bool Met(Factuur& f, std::optional<QString> naam, std::deque<bool> antwoorden = {})
    {
        prompts.invoer = {std::move(naam)};
        prompts.antwoorden = std::move(antwoorden);
        return SaveFactuur(f, prompts, map.path());
    }
    QStringList Facturen() const { return QDir(map.file("Facturen")).entryList(QDir::Files); }
};

}  // namespace

TEST(InvoiceFile, BytesAreRecordsInWindows1252)
{
    Factuur f = MetRegels({{"01-02", "Koffie \"extra\", café", "12,5"}, {"", "", ""}, {"3x", "Prijs in €", "1.5"}});
    f.FactuurDatum = QStringLiteral("31-02-2024");
    f.FactuurNummer = QStringLiteral("F\"7");
    const QByteArray verwacht = kKop + "\"01-02\",\"Koffie 'extra', caf\xe9\",\"12,5\"\r\n" + kLegeRegel
        + "\"3x\",\"Prijs in \x80\",\"1.5\"\r\n" + LegeRegels(17) + kStreep + "\"31-02-2024\"\r\n\"F'7\"\r\n";
    EXPECT_EQ(FactuurBytes(f), verwacht);

    f.FactuurDatum.reset();
    EXPECT_TRUE(FactuurBytes(f).endsWith(kStreep + "\r\n\"F'7\"\r\n")) << "an unset date is an empty record";
}

TEST(InvoiceFile, ReadsBackWhatWasWritten)
{
    Factuur geschreven = MetRegels({{"1", "Werk, uren", "12,50"}, {"2", "Reis é €", "3.25"}});
    geschreven.FactuurNummer = QStringLiteral("2024-001");
    for (const std::optional<QString>& datum : {std::optional<QString>(), std::optional<QString>(QStringLiteral("01-05-2024"))}) {
        geschreven.FactuurDatum = datum;
        Factuur gelezen;
        ZetStandaardwaarden(gelezen);
        gelezen.AfzenderTekst = QStringLiteral("blijft");
        ASSERT_TRUE(LeesFactuur(gelezen, FactuurBytes(geschreven)));
        EXPECT_EQ(gelezen.Aantal, geschreven.Aantal);
        EXPECT_EQ(gelezen.Omschrijving, geschreven.Omschrijving);
        EXPECT_EQ(gelezen.Prijs, geschreven.Prijs);
        EXPECT_EQ(gelezen.FactuurDatum, datum);
        EXPECT_EQ(gelezen.FactuurNummer, QStringLiteral("2024-001"));
        EXPECT_EQ(gelezen.AfzenderTekst, QStringLiteral("blijft"));
    }
}

TEST(InvoiceFile, ABrokenFileLeavesTheInvoiceAsItWas)
{
    Factuur bron = MetRegels({{"1", "Werk", "10"}});
    bron.FactuurDatum = QStringLiteral("01-05-2024");
    const QByteArray goed = FactuurBytes(bron);
    const QByteArray zonderDatum = kKop + LegeRegels(20) + kStreep + "\r\n";
    const QByteArray kapot[] = {
        QByteArray(),
        goed.left(goed.size() - 4),                 // number cut off inside its quotes
        goed.left(goed.indexOf("\"01-05-2024\"")),  // date and number missing
        kKop + LegeRegels(19),                      // a line short
        zonderDatum,                                // empty date record, then nothing
        kKop + "\"1\",\"Werk\r\n",                  // an open quote
    };
    for (const QByteArray& bytes : kapot) {
        Factuur f = MetRegels({{"oud", "regel", "5"}});
        f.FactuurNummer = QStringLiteral("009");
        EXPECT_FALSE(LeesFactuur(f, bytes)) << bytes.toStdString();
        EXPECT_EQ(f.Omschrijving[0], QStringLiteral("regel"));
        EXPECT_EQ(f.FactuurNummer, QStringLiteral("009"));
    }
}

TEST(InvoiceFile, ALargeFileIsNotRead)
{
    TempProgramFolder map;
    Factuur bron = MetRegels({{"1", "Werk", "10"}});
    bron.Omschrijving[1] = QString(600 * 1024, QLatin1Char('x'));
    map.write("Facturen/groot.fac", FactuurBytes(bron).repeated(2));
    Factuur f;
    EXPECT_FALSE(LeesFactuur(f, map.file("Facturen/groot.fac")));
    EXPECT_FALSE(LeesFactuur(f, map.file("Facturen/er-niet.fac")));
    EXPECT_TRUE(f.Omschrijving[0].isEmpty());
}

TEST(InvoiceFile, PricesWithCommaOrPointReadBackToTheSameAmounts)
{
    // Saved straight after the lines editor: commas; saved after opening: points.
    Factuur komma = MetRegels({{"", "a", "12,50"}, {"", "b", "0,10"}});
    Factuur punt = MetRegels({{"", "a", "12.50"}, {"", "b", "0.10"}});
    for (Factuur* bron : {&komma, &punt}) {
        Factuur f;
        ASSERT_TRUE(LeesFactuur(f, FactuurBytes(*bron)));
        f.BtwProcent = 21;
        HerberekenFactuur(f);
        EXPECT_EQ(f.TotaalExBtw, B("12.6"));
        EXPECT_EQ(platform::FormatBedrag(f.TotaalInclBtw), QStringLiteral("15,25"));
    }
}

TEST(InvoiceFile, OpeningTakesTheVatPercentageOfNow)
{
    const QByteArray bytes = FactuurBytes(MetRegels({{"", "Werk", "100"}}));
    for (auto [procent, btw] : {std::pair{21, "21,00"}, std::pair{9, "9,00"}, std::pair{0, "0,00"}}) {
        Factuur f;
        f.BtwProcent = static_cast<std::uint8_t>(procent);
        ASSERT_TRUE(LeesFactuur(f, bytes));
        HerberekenFactuur(f);
        EXPECT_EQ(platform::FormatBedrag(f.TotaalBtw), QString::fromLatin1(btw));
    }
}

TEST(SaveFactuur, WritesTheFileUnderTheGivenName)
{
    Opslaan o;
    Factuur f = MetRegels({{"1", "Werk", "12,50"}, {"2", "   ", "99"}, {"3", "", "5"}});
    f.FactuurDatum = QStringLiteral("02-03-2024");
    ASSERT_TRUE(o.Met(f, QStringLiteral("Maart")));
    ASSERT_EQ(o.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(o.prompts.gevraagd[0].titel, QStringLiteral(" Factuur opslaan"));
    EXPECT_EQ(o.prompts.gevraagd[0].tekst, QStringLiteral("Geef een naam voor deze factuur.."));

    // A price without a description vanishes from the file and the invoice alike.
    EXPECT_EQ(o.map.read("Facturen/Maart.fac"),
              kKop + "\"1\",\"Werk\",\"12,50\"\r\n" + LegeRegels(19) + kStreep + "\"02-03-2024\"\r\n\"001\"\r\n");
    for (int i : {1, 2}) {
        EXPECT_TRUE(f.Aantal[i].isEmpty());
        EXPECT_TRUE(f.Omschrijving[i].isEmpty());
        EXPECT_TRUE(f.Prijs[i].isEmpty());
    }
    EXPECT_EQ(f.Prijs[0], QStringLiteral("12,50"));
}

TEST(SaveFactuur, AsksBeforeReplacingAFileWhateverItsLetterCase)
{
    Opslaan o;
    o.map.write("Facturen/Maart.FAC", "oud");
    Factuur f = MetRegels({{"1", "Werk", "1"}});

    EXPECT_FALSE(o.Met(f, QStringLiteral("maart"), {false}));
    ASSERT_EQ(o.prompts.gevraagd.size(), 2u);
    EXPECT_EQ(o.prompts.gevraagd[1].titel, QStringLiteral(" File exist"));
    EXPECT_EQ(o.prompts.gevraagd[1].tekst, QStringLiteral("Bestand 'maart' bestaat reeds, overschrijven?"));
    EXPECT_EQ(o.map.read("Facturen/Maart.FAC"), QByteArray("oud"));

    // Yes replaces the file that was asked about, not a second one beside it.
    EXPECT_TRUE(o.Met(f, QStringLiteral("maart"), {true}));
    EXPECT_EQ(o.Facturen(), QStringList{QStringLiteral("Maart.FAC")});
    EXPECT_EQ(o.map.read("Facturen/Maart.FAC"), FactuurBytes(f));
}

TEST(SaveFactuur, NothingIsWrittenWithoutAUsableName)
{
    struct {
        std::optional<QString> naam;
        bool melding;
    } gevallen[] = {
        {std::nullopt, false},                   // Cancel
        {QString(), false},                      // an empty answer
        {QStringLiteral("../Quillet"), true},    // out of the folder
        {QStringLiteral("a\\b"), true},
        {QStringLiteral("   "), false},          // blanks only: no name, as a cancel
        {QString(240, QLatin1Char('n')), true},  // longer than a file name may be
    };
    for (const auto& g : gevallen) {
        Opslaan o;
        Factuur f = MetRegels({{"1", "Werk", "1"}});
        EXPECT_FALSE(o.Met(f, g.naam));
        EXPECT_TRUE(o.Facturen().isEmpty());
        EXPECT_EQ(QDir(o.map.path()).entryList(QDir::Files), QStringList());
        EXPECT_EQ(o.prompts.gevraagd.size(), g.melding ? 2u : 1u);
        if (g.melding) {
            EXPECT_EQ(o.prompts.gevraagd[1].soort, QStringLiteral("Melding"));
            EXPECT_EQ(o.prompts.gevraagd[1].titel, QStringLiteral(" Factuur opslaan"));
        }
    }
}

TEST(SaveFactuur, MakesTheMissingFolderAndReportsAFailedWrite)
{
    Opslaan o;
    QDir(o.map.path()).rmdir(QStringLiteral("Facturen"));
    Factuur f = MetRegels({{"1", "Werk", "1"}});
    EXPECT_TRUE(o.Met(f, QStringLiteral("eerste")));
    EXPECT_EQ(o.map.read("Facturen/eerste.fac"), FactuurBytes(f));

    // A file where the folder belongs: the invoice cannot be written.
    Opslaan geblokkeerd;
    QDir(geblokkeerd.map.path()).rmdir(QStringLiteral("Facturen"));
    geblokkeerd.map.write("Facturen", "geen map");
    EXPECT_FALSE(geblokkeerd.Met(f, QStringLiteral("tweede")));
    ASSERT_EQ(geblokkeerd.prompts.gevraagd.size(), 2u);
    EXPECT_EQ(geblokkeerd.prompts.gevraagd[1].soort, QStringLiteral("Melding"));
    EXPECT_TRUE(geblokkeerd.prompts.gevraagd[1].tekst.startsWith(QStringLiteral("De factuur kon niet worden opgeslagen")));
}

TEST(SaveFactuur, ProposesTheInvoiceDate)
{
    struct Voorstel : ScriptedPrompts {
        QString voorstel;
        std::optional<QString> Invoer(const QString&, const QString&, const QString& v) override
        {
            voorstel = v;
            return std::nullopt;
        }
    };
    TempProgramFolder map;
    Voorstel prompts;
    Factuur f;
    SaveFactuur(f, prompts, map.path());
    EXPECT_EQ(prompts.voorstel, QString());
    f.FactuurDatum = QStringLiteral("09-10-2024");
    SaveFactuur(f, prompts, map.path());
    EXPECT_EQ(prompts.voorstel, QStringLiteral("09-10-2024"));
}
