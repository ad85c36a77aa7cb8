#include "invoice/address_file.h"

#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace {

const QByteArray kKop = QByteArrayLiteral("Averno Software 2011\r\n--------------------------\r\n");

QFont Arial()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    return font;
}

}  // namespace

TEST(AddressFile, WritesTheHeaderAndTheTextUnchanged)
{
    EXPECT_EQ(AdresBytes(QStringLiteral("Jansen & Zn.\r\nDorpsstraat 1\r\n1234 AB, Ede")),
              kKop + "Jansen & Zn.\r\nDorpsstraat 1\r\n1234 AB, Ede");
    EXPECT_EQ(AdresBytes(QString()), kKop);
    EXPECT_EQ(AdresBytes(QStringLiteral("Caf\u00e9 \u20ac\r\n\r\n")), kKop + "Caf\xe9 \x80\r\n\r\n");
}

TEST(AddressFile, ReadsTheLinesAfterTheHeaderEachWithALineEnd)
{
    struct {
        QByteArray bytes;
        QString tekst;
    } cases[] = {
        {kKop + "a\r\nb", "a\r\nb\r\n"},                 // no line end after the last line: one is added
        {kKop + "a\r\nb\r\n", "a\r\nb\r\n"},
        {kKop + "a\r\n\r\nb", "a\r\n\r\nb\r\n"},          // a blank line in between stays
        {kKop + "\r\n", "\r\n"},
        {kKop, ""},
        {kKop + "a\nb\rc", "a\r\nb\r\nc\r\n"},            // lone LF and CR end a line too
        {kKop + "Caf\xe9", "Caf\u00e9\r\n"},
        {"anders\r\nook anders\r\nRest", "Rest\r\n"},     // the header is skipped whatever it holds
        {"", ""},
        {"een regel", ""},
        {"een\r\ntwee", ""},
        {"een\r\ntwee\r\n", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AdresUitBytes(c.bytes), c.tekst) << c.bytes.toStdString();

    // Bytes that are no text still give a text, one character per byte.
    QByteArray rommel = kKop;
    for (int b = 0; b < 256; ++b)
        rommel.append(static_cast<char>(b));
    const QString gelezen = AdresUitBytes(rommel);
    EXPECT_EQ(gelezen.size(), 256 - 2 + 3 * 2);   // byte 10 and byte 13 end lines; three lines, each with CR LF
    EXPECT_TRUE(gelezen.startsWith(QChar(0)));
}

namespace {

// "Opslaan" of the address book with the name the user types.
bool Bewaar(const TempProgramFolder& map, const QString& naam, const QString& tekst, ScriptedPrompts& prompts)
{
    prompts.invoer.push_back(naam);
    return SaveAdres(map.path(), tekst, prompts);
}

}  // namespace

TEST(AddressFile, SaveAndOpenThroughTheAddressBook)
{
    TempProgramFolder map;
    ScriptedPrompts prompts;
    const QString tekst = QStringLiteral("Jansen\r\nDorpsstraat 1");
    ASSERT_TRUE(Bewaar(map, QStringLiteral("Jansen"), tekst, prompts));
    EXPECT_EQ(map.read("Adressen/Jansen.adr"), AdresBytes(tekst));
    EXPECT_EQ(OpenAdres(map.file("Adressen/Jansen.adr")), tekst + "\r\n");
    ASSERT_EQ(prompts.gevraagd.size(), 1u);
    EXPECT_EQ(prompts.gevraagd[0].soort, QStringLiteral("Invoer"));
    EXPECT_EQ(prompts.gevraagd[0].titel, QStringLiteral(" Adres opslaan"));
    EXPECT_EQ(prompts.gevraagd[0].tekst, QStringLiteral("Geef een naam voor dit adres..."));

    // An existing name: No leaves the old file as it was, Yes replaces it,
    // also when the name is typed in other letter case.
    prompts.gevraagd.clear();
    prompts.antwoorden = {false, true};
    EXPECT_FALSE(Bewaar(map, QStringLiteral("Jansen"), QStringLiteral("Nieuw"), prompts));
    EXPECT_EQ(map.read("Adressen/Jansen.adr"), AdresBytes(tekst));
    EXPECT_TRUE(Bewaar(map, QStringLiteral("JANSEN"), QStringLiteral("Nieuw"), prompts));
    EXPECT_EQ(map.read("Adressen/Jansen.adr"), AdresBytes(QStringLiteral("Nieuw")));
    ASSERT_EQ(prompts.gevraagd.size(), 4u);
    for (int i : {1, 3}) {
        const auto& box = prompts.gevraagd[i];
        EXPECT_EQ(box.soort, QStringLiteral("Vraag"));
        EXPECT_EQ(box.titel, QStringLiteral(" Exist"));
        EXPECT_EQ(box.tekst, QStringLiteral("Naam adres bestaat reeds, wilt u deze overschrijven?"));
    }
    EXPECT_EQ(QDir(map.file("Adressen")).entryList(QDir::Files), QStringList({"Jansen.adr"}));  // no leftovers
}

TEST(AddressFile, MissingFolderIsMadeAndFailuresAreTold)
{
    TempProgramFolder map;
    ScriptedPrompts prompts;
    ASSERT_TRUE(QDir(map.file("Adressen")).removeRecursively());
    EXPECT_TRUE(Bewaar(map, QStringLiteral("Eerste"), QStringLiteral("x"), prompts));
    EXPECT_EQ(map.read("Adressen/Eerste.adr"), AdresBytes(QStringLiteral("x")));

    // A file where the folder belongs: nothing can be written there.
    ASSERT_TRUE(QDir(map.file("Adressen")).removeRecursively());
    map.write("Adressen", "geen map");
    prompts.gevraagd.clear();
    EXPECT_FALSE(Bewaar(map, QStringLiteral("Tweede"), QStringLiteral("x"), prompts));
    ASSERT_EQ(prompts.gevraagd.size(), 2u);
    EXPECT_EQ(prompts.gevraagd[1].soort, QStringLiteral("Melding"));
    EXPECT_EQ(prompts.gevraagd[1].titel, QStringLiteral(" Adres opslaan"));
    EXPECT_TRUE(prompts.gevraagd[1].tekst.startsWith(QStringLiteral("Het adres kon niet worden opgeslagen")));
    EXPECT_EQ(map.read("Adressen"), "geen map");
}

TEST(AddressFile, NamesTheFileSystemCannotHoldAreRefused)
{
    TempProgramFolder map;
    for (const QString& naam : {QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("../weg"),
                                QStringLiteral(".."), QStringLiteral("tab\there"), QString(250, 'x')}) {
        ScriptedPrompts prompts;
        EXPECT_FALSE(Bewaar(map, naam, QStringLiteral("x"), prompts)) << naam.toStdString();
        ASSERT_EQ(prompts.gevraagd.size(), 2u);
        EXPECT_EQ(prompts.gevraagd[1].soort, QStringLiteral("Melding"));
        EXPECT_EQ(prompts.gevraagd[1].titel, QStringLiteral(" Adres opslaan"));
        EXPECT_EQ(prompts.gevraagd[1].tekst,
                  QStringLiteral("De naam '") + naam + QStringLiteral("' kan niet als bestandsnaam worden gebruikt."));
    }
    EXPECT_TRUE(QDir(map.file("Adressen")).isEmpty());
    EXPECT_FALSE(QFile::exists(map.file("weg.adr")));
}

TEST(AddressFile, OpenRefusesWhatIsNoAddressFile)
{
    TempProgramFolder map;
    EXPECT_FALSE(OpenAdres(map.file("Adressen/Niemand.adr")));
    map.write("Adressen/Groot.adr", kKop + QByteArray(kGrootsteAdresBestand, 'a'));
    EXPECT_FALSE(OpenAdres(map.file("Adressen/Groot.adr")));
    map.write("Adressen/Leeg.adr", "");
    EXPECT_EQ(OpenAdres(map.file("Adressen/Leeg.adr")), QString());
}

TEST(AddressFile, CountsTheDisplayedLinesThatHoldText)
{
    const QFont font = Arial();
    const double breed = 1000;
    struct {
        QString tekst;
        int regels;
    } cases[] = {
        {"a\r\nb\r\nc\r\nd", 4},
        {"a\r\n\r\nb\r\n   \r\nc\r\n", 3},   // blank lines and the empty line after a final break do not count
        {"", 0},
        {"   ", 0},
        {"\ta", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TelRegels(c.tekst, font, breed).size(), c.regels) << c.tekst.toStdString();

    // A line the box wraps counts once for every line it shows.
    const double smal = QFontMetricsF(font).horizontalAdvance(QStringLiteral("woord woord "));
    EXPECT_EQ(TelRegels(QStringLiteral("woord woord woord woord woord"), font, smal).size(), 3);
    EXPECT_EQ(TelRegels(QStringLiteral("woord woord woord woord woord"), font, breed).size(), 1);
}

TEST(AddressFile, OnlyBlanksAreTrimmed)
{
    EXPECT_EQ(ZonderRandspaties(QStringLiteral("  Jansen  ")), QStringLiteral("Jansen"));
    EXPECT_EQ(ZonderRandspaties(QStringLiteral(" \r\nJansen\r\n ")), QStringLiteral("\r\nJansen\r\n"));
    EXPECT_EQ(ZonderRandspaties(QStringLiteral("\tJansen")), QStringLiteral("\tJansen"));
    EXPECT_EQ(ZonderRandspaties(QStringLiteral("    ")), QString());
}
