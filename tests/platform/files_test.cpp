#include "platform/files.h"

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

TEST(Files, FileNamesTheUserTypes)
{
    for (const char* goed : {"factuur 12", "Café-€", "a.b", "'quote'"})
        EXPECT_TRUE(GeldigeBestandsnaam(QString::fromUtf8(goed))) << goed;
    for (const char* fout : {"", "   ", "../x", "a/b", "a\\b", ".", "..", "tab\there"})
        EXPECT_FALSE(GeldigeBestandsnaam(QString::fromUtf8(fout))) << fout;
    EXPECT_FALSE(GeldigeBestandsnaam(QString(300, 'x')));
}
