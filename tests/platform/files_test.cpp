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

TEST(Files, OnlyOurOwnLeftoversGoWhenTheirFolderIsWrittenNext)
{
    struct { const char* naam; bool blijft; } bestanden[] = {
        {".quillet-opslag-IvXj0d.tmp", false},
        {".Quillet-Opslag-IvXj0d.tmp", true}, {".quillet-opslag-IvXj0d.TMP", true},
        {".quillet-opslag-IvXjd.tmp", true},  {"quillet-opslag-IvXj0d.tmp", true},
        {"oud.fac.IvXjyd", true},             {"OUD.FAC.abcDEF", true},
        {"oud.fac.part", true},               {"Jan.fac.Backup", true},
        {"oud.fac", true},                    {"notities.txt", true},
    };
    TempProgramFolder map;
    for (const auto& b : bestanden)
        map.write(QStringLiteral("Facturen/") + b.naam, "x");
    EXPECT_EQ(BestandenLijst(map.file("Facturen"), "*.fac"), QStringList({"oud.fac"}));
    ASSERT_TRUE(SchrijfBestand(map.file("Facturen/nieuw.fac"), "nieuw"));
    for (const auto& b : bestanden)
        EXPECT_EQ(QFile::exists(map.file(QStringLiteral("Facturen/") + b.naam)), b.blijft) << b.naam;
}

TEST(Files, TheOneRuleForNames)
{
    for (const char* goed : {"factuur 12", "Café-€", "a.b", "'quote'", "Łódź", "x."})
        EXPECT_TRUE(GeldigeNaam(QString::fromUtf8(goed))) << goed;
    for (const char* fout : {"", "   ", "../x", "a/b", "a\\b", ".", "..", "tab\there", ".verborgen", ".x.bmp"})
        EXPECT_FALSE(GeldigeNaam(QString::fromUtf8(fout))) << fout;
}

TEST(Files, ANameReadFromAFileStaysInItsFolder)
{
    EXPECT_EQ(PadVanNaam("/p/Logo", "logo 1.bmp"), QStringLiteral("/p/Logo/logo 1.bmp"));
    for (const char* fout : {"", ".", "..", "../../x.bmp", "/etc/x.bmp", "sub/x.bmp", "..\\x.bmp"})
        EXPECT_FALSE(PadVanNaam("/p/Logo", QString::fromUtf8(fout))) << fout;
}

TEST(Files, FoldersAndFilesAreFoundWhateverTheirLetterCase)
{
    TempProgramFolder map;
    QDir(map.path()).mkdir("pdf");
    map.write("Logo/Firma.BMP", "x");
    map.write("Logo/.verborgen.klant", "x");
    map.write("Logo/twee.bmp", "x");
    map.write("Logo/TWEE.bmp", "x");
    EXPECT_EQ(Submap(map.path(), "Pdf"), map.file("pdf"));
    EXPECT_EQ(Submap(map.path(), "LOGO"), map.file("Logo"));
    EXPECT_EQ(Submap(map.path(), "Efactuur"), map.file("Efactuur"));
    EXPECT_FALSE(QDir(map.file("Efactuur")).exists()) << "found, not made";
    EXPECT_EQ(GevondenPad(map.file("Logo"), "firma.bmp"), map.file("Logo/Firma.BMP"));
    EXPECT_EQ(GevondenPad(map.file("Logo"), ".VERBORGEN.klant"), map.file("Logo/.verborgen.klant"));
    EXPECT_EQ(GevondenPad(map.file("Logo"), "TWEE.bmp"), map.file("Logo/TWEE.bmp"));
    EXPECT_EQ(GevondenPad(map.file("Logo"), "twee.bmp"), map.file("Logo/twee.bmp"));
}

TEST(Files, ANameTheCodePageCannotHoldFindsItsFileAgain)
{
    TempProgramFolder map;
    const QString logo = map.file("Logo");
    for (const char* naam : {"Łódź.bmp", "Żabka.bmp", "Źabka.bmp", "a?b.bmp", "aŁb.bmp"})
        map.write(QStringLiteral("Logo/") + QString::fromUtf8(naam), "x");
    struct { const char* naam; bool vindbaar; } gevallen[] = {
        {"Łódź.bmp", true},   // held as "?ód?.bmp", the one file that reads so
        {"Żabka.bmp", false}, // "?abka.bmp" reads as two files
        {"a?b.bmp", true},    // its own name
        {"aŁb.bmp", false},   // "a?b.bmp" is another file's own name
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(BlijftVindbaar(logo, QString::fromUtf8(g.naam)), g.vindbaar) << g.naam;
    EXPECT_EQ(PadVanNaam(logo, QString::fromUtf8("?ód?.bmp")), map.file(QString::fromUtf8("Logo/Łódź.bmp")));
    EXPECT_EQ(PadVanNaam(logo, QString::fromUtf8("?ÓD?.BMP")), map.file(QString::fromUtf8("Logo/Łódź.bmp")));
}
