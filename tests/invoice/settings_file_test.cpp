#include "invoice/settings_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

const char kEersteStart[] =
    "\"Averno Software 2011\"\r\n"
    "\"--------------------------\"\r\n"
    "\"\"\r\n"
    "240,250,140\r\n"
    "\"--------------------------\"\r\n"
    "\"olifant.bmp\"\r\n"
    "\"voorbeeld-1.bmp\"\r\n"
    "\"--------------------------\"\r\n"
    "\"Datum\"\r\n\"Omschrijving\"\r\n\"Ex.Btw\"\r\n\"Btw\"\r\n\"Totaal\"\r\n\"Totaal\"\r\n\"Btw\"\r\n\"Totaal\"\r\n"
    "\"--------------------------\"\r\n"
    "2\r\n"
    "\"--------------------------\"\r\n"
    "\"Korpela B.V.\r\nLindeplein 59\r\n7701 KL, Dalmere\r\nKvk : 123456\r\nRabobank :912345678\"\r\n"
    "\"--------------------------\"\r\n"
    "\"Janssen & Zonen\r\nVoorbeeldstraat 52\r\n1234 AA, Amsterdam\"\r\n"
    "\"--------------------------\"\r\n"
    "\"Bij betaling factuurdatum en factuurnummer vermelden.\"\r\n"
    "\"\"\r\n";

Factuur Standaard()
{
    Factuur f;
    ZetStandaardwaarden(f);
    return f;
}

}  // namespace

TEST(SettingsFile, DefaultsAreWrittenAsTwentyFiveRecords)
{
    EXPECT_EQ(InstellingenBytes(Standaard()), QByteArray(kEersteStart));
}

TEST(SettingsFile, EveryPersistentValueReadsBack)
{
    Factuur f = Standaard();
    f.KleurR = 5;
    f.KleurG = 10;
    f.KleurB = 200;
    f.GereserveerdeTekst = QStringLiteral("bewaard");
    f.LogoBestand = QString();
    f.AchtergrondBestand = QStringLiteral("café.bmp");
    f.KopTekst[3] = QStringLiteral("Prijs €");
    f.LayoutNr = 1;
    f.AfzenderTekst = QStringLiteral("Een\r\nTwee, drie\r\nVier\r\nVijf\r\nZes");
    f.AdresTekst = QStringLiteral("Adres");
    f.VoetTekst[1] = QStringLiteral("Voet 1");
    f.VoetTekst[2] = QStringLiteral("Voet 2");
    f.BtwProcent = 9;
    const QByteArray bytes = InstellingenBytes(f);
    EXPECT_TRUE(bytes.contains("\"Een\r\nTwee, drie\r\nVier\r\nVijf\r\nZes\"\r\n"));
    EXPECT_TRUE(bytes.contains("5,10,200\r\n"));
    EXPECT_FALSE(bytes.contains("9"));  // VAT is never stored

    Factuur terug = Standaard();
    ASSERT_TRUE(LeesInstellingen(terug, bytes));
    EXPECT_EQ(terug.KleurR, 5);
    EXPECT_EQ(terug.KleurG, 10);
    EXPECT_EQ(terug.KleurB, 200);
    EXPECT_EQ(terug.GereserveerdeTekst, f.GereserveerdeTekst);
    EXPECT_EQ(terug.LogoBestand, QString());
    EXPECT_EQ(terug.AchtergrondBestand, f.AchtergrondBestand);
    EXPECT_EQ(terug.KopTekst, f.KopTekst);
    EXPECT_EQ(terug.LayoutNr, 1);
    EXPECT_EQ(terug.AfzenderTekst, f.AfzenderTekst);
    EXPECT_EQ(terug.AfzenderTekst.count(QStringLiteral("\r\n")), 4);
    EXPECT_EQ(terug.AdresTekst, f.AdresTekst);
    EXPECT_EQ(terug.VoetTekst, f.VoetTekst);
    EXPECT_EQ(terug.BtwProcent, 21);
}

TEST(SettingsFile, ReadingStopsAtTheFirstFaultKeepingWhatCameBefore)
{
    QByteArray zonderLaatste(kEersteStart);
    zonderLaatste.replace("\"Korpela", "\"Ander");
    zonderLaatste.chop(4);  // the empty last record "" CR LF
    Factuur f = Standaard();
    f.VoetTekst[2] = QStringLiteral("blijft");
    EXPECT_FALSE(LeesInstellingen(f, zonderLaatste));
    EXPECT_TRUE(f.AfzenderTekst.startsWith("Ander"));
    EXPECT_EQ(f.VoetTekst[2], QStringLiteral("blijft"));

    QByteArray tekstAlsGetal(kEersteStart);
    tekstAlsGetal.replace("\"\"\r\n240,250,140", "\"gelezen\"\r\n240,\"groen\",140");
    f = Standaard();
    EXPECT_FALSE(LeesInstellingen(f, tekstAlsGetal));
    EXPECT_EQ(f.GereserveerdeTekst, QStringLiteral("gelezen"));
    EXPECT_EQ(f.KleurR, 240);
    EXPECT_EQ(f.KleurG, 250);

    QByteArray tweeGetallen(kEersteStart);
    tweeGetallen.replace("240,250,140", "1,2");
    f = Standaard();
    EXPECT_FALSE(LeesInstellingen(f, tweeGetallen));
    EXPECT_EQ(f.KleurG, 2);

    QByteArray teGroot(kEersteStart);
    teGroot.replace("240,250,140", "240,250,999");
    EXPECT_FALSE(LeesInstellingen(f, teGroot));
}

TEST(SettingsFile, MissingGarbageAndHugeFilesFail)
{
    TempProgramFolder map;
    Factuur f = Standaard();
    EXPECT_FALSE(LeesInstellingen(f, map.file("Quillet.ini")));

    QByteArray ruis;
    for (int i = 0; i < 5000; ++i)
        ruis.append(static_cast<char>((i * 7919) % 251));
    map.write("Quillet.ini", ruis);
    EXPECT_FALSE(LeesInstellingen(f, map.file("Quillet.ini")));

    map.write("Quillet.ini", QByteArray(kEersteStart) + QByteArray(5 * 1024 * 1024, ','));
    EXPECT_FALSE(LeesInstellingen(f, map.file("Quillet.ini")));

    map.write("Quillet.ini", kEersteStart);
    EXPECT_TRUE(LeesInstellingen(f, map.file("Quillet.ini")));
}

TEST(SettingsFile, AFileThatCannotBeReadIsKeptBesideItsFreshSuccessor)
{
    QByteArray layoutZeven(kEersteStart);
    layoutZeven.replace("\r\n2\r\n", "\r\n7\r\n").replace("240,", "241,");
    QByteArray utf16("\xff\xfe");
    for (char c : QByteArray(kEersteStart))
        utf16.append(c).append('\0');
    const QByteArray gevallen[] = {layoutZeven, utf16, QByteArray(kEersteStart) + QByteArray(5 * 1024 * 1024, ' '),
                                   QByteArray(kEersteStart).left(200)};
    for (const QByteArray& onleesbaar : gevallen) {
        TempProgramFolder map;
        Factuur f = Standaard();
        map.write("Quillet.ini", onleesbaar);
        map.write("Quillet-onleesbaar.ini", "van eerder");
        ASSERT_FALSE(LeesInstellingen(f, map.file("Quillet.ini")));
        ASSERT_TRUE(HerschrijfInstellingen(f, map.file("Quillet.ini")));
        EXPECT_EQ(map.read("Quillet-onleesbaar-2.ini"), onleesbaar);
        EXPECT_EQ(map.read("Quillet-onleesbaar.ini"), QByteArray("van eerder"));
        EXPECT_TRUE(LeesInstellingen(f, map.file("Quillet.ini")));
    }
    Factuur f = Standaard();
    EXPECT_FALSE(LeesInstellingen(f, layoutZeven));
    EXPECT_EQ(f.LayoutNr, 2);
    EXPECT_EQ(f.KleurR, 241);   // the records before it are read

    // A first start has nothing to keep.
    TempProgramFolder leeg;
    ASSERT_TRUE(HerschrijfInstellingen(Standaard(), leeg.file("Quillet.ini")));
    EXPECT_EQ(QDir(leeg.path()).entryList(QDir::Files), QStringList{"Quillet.ini"});
}

TEST(SettingsFile, QuotesInTextsDoNotBreakTheFile)
{
    Factuur f = Standaard();
    f.VoetTekst[1] = QStringLiteral("Zeg \"dank\", graag");
    Factuur terug = Standaard();
    ASSERT_TRUE(LeesInstellingen(terug, InstellingenBytes(f)));
    EXPECT_EQ(terug.VoetTekst[1], QStringLiteral("Zeg 'dank', graag"));
}

TEST(SettingsFile, WriteReplacesTheFile)
{
    TempProgramFolder map;
    map.write("Quillet.ini", "oud");
    ASSERT_TRUE(SchrijfInstellingen(Standaard(), map.file("Quillet.ini")));
    EXPECT_EQ(map.read("Quillet.ini"), QByteArray(kEersteStart));
    EXPECT_FALSE(SchrijfInstellingen(Standaard(), map.file("Nergens/Quillet.ini")));
}
