#include "platform/files.h"
#include "platform/pictures.h"

#include "support/odd_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Files, ListsByPatternWithoutRegardToCase)
{
    TempProgramFolder map;
    for (const char* naam : {"Facturen/b.fac", "Facturen/A.FAC", "Facturen/c.fac.bak", "Facturen/d.adr"})
        map.write(QString::fromLatin1(naam), "x");
    QDir(map.path()).mkpath("Facturen/map.fac");
    EXPECT_EQ(BestandenLijst(map.file("Facturen"), "*.fac"), QStringList({"A.FAC", "b.fac"}));
    EXPECT_TRUE(BestandenLijst(map.file("Nergens"), "*.fac").isEmpty());
}

TEST(Files, ReadRefusesWhatIsMissingOrTooLarge)
{
    TempProgramFolder map;
    map.write("klein", "abc");
    EXPECT_EQ(LeesBestand(map.file("klein"), 3), QByteArray("abc"));
    EXPECT_FALSE(LeesBestand(map.file("klein"), 2).has_value());
    EXPECT_FALSE(LeesBestand(map.file("weg"), 100).has_value());
    EXPECT_FALSE(LeesBestand(map.path(), 100).has_value());  // a folder
    EXPECT_TRUE(BestandBestaat(map.file("klein")));
    EXPECT_FALSE(BestandBestaat(map.file("Logo")));
}

TEST(Files, WriteReplacesWholeOrNotAtAll)
{
    TempProgramFolder map;
    map.write("a.txt", "oud");
    EXPECT_TRUE(SchrijfBestand(map.file("a.txt"), "nieuw"));
    EXPECT_EQ(map.read("a.txt"), QByteArray("nieuw"));
    EXPECT_FALSE(SchrijfBestand(map.file("Nergens/a.txt"), "x"));
    // No temporary file is left beside the real one.
    EXPECT_EQ(QDir(map.path()).entryList(QDir::Files), QStringList({"a.txt"}));
}

TEST(Files, OnlyRegularFilesAreReadOrWritten)
{
    const HangGuard guard;  // a pipe opened for reading would wait for ever
    TempProgramFolder buiten;
    buiten.write("doel.bmp", "doel");
    TempProgramFolder map;
    for (const OddFile& odd : OddFiles()) {
        SCOPED_TRACE(odd.naam);
        const QString pad = map.file(QStringLiteral("Logo/x.bmp"));
        if (!odd.maak(pad, buiten.file("doel.bmp")))
            continue;  // a device needs root
        EXPECT_TRUE(GeenGewoonBestand(pad));
        EXPECT_FALSE(LeesBestand(pad, 100));
        EXPECT_FALSE(LaadPlaatje(pad));
        EXPECT_FALSE(SchrijfBestand(pad, "nieuw"));
        EXPECT_TRUE(GeenGewoonBestand(pad)) << "replaced by a file";
        EXPECT_TRUE(BestandenLijst(map.file("Logo"), "*.bmp").isEmpty());
        QFile::remove(pad);
        QDir().rmdir(pad);
    }
    EXPECT_EQ(buiten.read("doel.bmp"), QByteArray("doel"));
    map.write("Logo/x.bmp", "gewoon");
    EXPECT_FALSE(GeenGewoonBestand(map.file("Logo/x.bmp")));
    EXPECT_FALSE(GeenGewoonBestand(map.file("Logo/weg.bmp")));
}

TEST(Files, LeftoversOfBrokenSavesGoWhenTheirFolderIsWrittenNext)
{
    struct { const char* naam; bool blijft; } bestanden[] = {
        {"oud.fac.IvXjyd", false}, {"OUD.FAC.abcDEF", false}, {"oud.fac.part", false},
        {"oud.fac.backup", true},  {"oud.fac.BACKUP", true},  {"oud.adr.IvXjyd", true},
        {"oud.fac.IvXjy1", true},  {"oud.fac", true},         {"notities.txt", true},
    };
    TempProgramFolder map;
    for (const auto& b : bestanden)
        map.write(QStringLiteral("Facturen/") + b.naam, "x");
    EXPECT_EQ(BestandenLijst(map.file("Facturen"), "*.fac"), QStringList({"oud.fac"}));
    ASSERT_TRUE(SchrijfBestand(map.file("Facturen/nieuw.fac"), "nieuw"));
    for (const auto& b : bestanden)
        EXPECT_EQ(QFile::exists(map.file(QStringLiteral("Facturen/") + b.naam)), b.blijft) << b.naam;
}

TEST(Files, FileNamesTheUserTypes)
{
    for (const char* goed : {"factuur 12", "Café-€", "a.b", "'quote'"})
        EXPECT_TRUE(GeldigeBestandsnaam(QString::fromUtf8(goed))) << goed;
    for (const char* fout : {"", "   ", "../x", "a/b", "a\\b", ".", "..", "tab\there"})
        EXPECT_FALSE(GeldigeBestandsnaam(QString::fromUtf8(fout))) << fout;
    EXPECT_FALSE(GeldigeBestandsnaam(QString(300, 'x')));
}

TEST(Files, ANameReadFromAFileStaysInItsFolder)
{
    EXPECT_EQ(PadVanNaam("/p/Logo", "logo 1.bmp"), QStringLiteral("/p/Logo/logo 1.bmp"));
    for (const char* fout : {"", ".", "..", "../../x.bmp", "/etc/x.bmp", "sub/x.bmp", "..\\x.bmp"})
        EXPECT_FALSE(PadVanNaam("/p/Logo", QString::fromUtf8(fout))) << fout;
}
