#include "app/titel_feiten.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A program file of the given size, last changed at a known moment.
QString ProgrammaBestand(const QTemporaryDir& map, qint64 grootte, const QDateTime& gewijzigd)
{
    const QString pad = map.filePath(QStringLiteral("quillet"));
    QFile bestand(pad);
    bestand.open(QIODevice::WriteOnly);
    bestand.resize(grootte);
    bestand.setFileTime(gewijzigd, QFileDevice::FileModificationTime);
    return pad;
}

QStringList Regels(const QString& tekst)
{
    return tekst.split(QStringLiteral("\r\n"));
}

const QDateTime kMoment(QDate(2011, 3, 7), QTime(9, 5, 3));

}  // namespace

TEST(TitelFeiten, EveryLineOfTheFactsText)
{
    QTemporaryDir map;
    const QString pad = ProgrammaBestand(map, 913408, kMoment);
    const QString tekst = FeitenTekst(pad, {QSize(1920, 1080), 96});
    EXPECT_FALSE(tekst.endsWith(QStringLiteral("\r\n")));
    const QStringList regels = Regels(tekst);
    ASSERT_EQ(regels.size(), 10);
    EXPECT_TRUE(regels[0].contains(QStringLiteral("Averno")));
    EXPECT_TRUE(regels[1].contains(QStringLiteral("2011")));
    EXPECT_EQ(regels[2], QStringLiteral("For 32-bit computers with Windows Development."));
    EXPECT_EQ(regels[3], QString());
    EXPECT_EQ(regels[4], QStringLiteral("Version number : " QUILLET_VERSION));
    EXPECT_EQ(regels[5], QStringLiteral("Filesize............. : 913.408 Bytes"));
    EXPECT_EQ(regels[6], QStringLiteral("Filedate............ : 07-03-2011 9:05:03"));
    EXPECT_EQ(regels[7], QStringLiteral("Screen............. : 1920 x 1080 pixels"));
    EXPECT_EQ(regels[8], QStringLiteral("Dpi................... : 96"));
    EXPECT_EQ(regels[9], QStringLiteral("Time / Date..... :"));
}

TEST(TitelFeiten, AMissingProgramFileLeavesItsValuesEmpty)
{
    QTemporaryDir map;
    const QStringList regels = Regels(FeitenTekst(map.filePath(QStringLiteral("quillet.exe")), {QSize(800, 600), 96}));
    ASSERT_EQ(regels.size(), 10);
    EXPECT_EQ(regels[4], QStringLiteral("Version number : Error"));
    EXPECT_EQ(regels[5], QStringLiteral("Filesize............. :  Bytes"));
    EXPECT_EQ(regels[6], QStringLiteral("Filedate............ : "));
    EXPECT_EQ(GetFileVersion(map.path()), QStringLiteral("Error"));  // a folder is no program file
}

TEST(TitelFeiten, FileSizesAreGroupedTheDutchWay)
{
    struct { qint64 grootte; const char* regel; } gevallen[] = {
        {0, "Filesize............. :  Bytes"},
        {7, "Filesize............. : 7 Bytes"},
        {999, "Filesize............. : 999 Bytes"},
        {1000, "Filesize............. : 1.000 Bytes"},
        {1234567, "Filesize............. : 1.234.567 Bytes"},
    };
    for (const auto& g : gevallen) {
        QTemporaryDir map;
        const QString pad = ProgrammaBestand(map, g.grootte, kMoment);
        EXPECT_EQ(Regels(FeitenTekst(pad, {QSize(800, 600), 96}))[5], QString::fromLatin1(g.regel)) << g.grootte;
    }
}

TEST(TitelFeiten, TheScreenLineDividesByFifteenWhateverTheResolution)
{
    struct { QSize pixels; double dpi; const char* scherm; const char* resolutie; } gevallen[] = {
        {{1920, 1080}, 96, "1920 x 1080 pixels", "96"},
        {{1920, 1200}, 120, "1536 x 960 pixels", "120"},
        {{1920, 1080}, 144, "1280 x 720 pixels", "144"},
        {{1366, 768}, 120, "1092,8 x 614,4 pixels", "120"},
    };
    QTemporaryDir map;
    for (const auto& g : gevallen) {
        const QStringList regels = Regels(FeitenTekst(map.filePath(QStringLiteral("x")), {g.pixels, g.dpi}));
        EXPECT_EQ(regels[7], QStringLiteral("Screen............. : ") + QString::fromLatin1(g.scherm)) << g.dpi;
        EXPECT_EQ(regels[8], QStringLiteral("Dpi................... : ") + QString::fromLatin1(g.resolutie));
    }
}

TEST(TitelFeiten, ResolutionRoundsHalvesToTheEvenNeighbour)
{
    struct { double dpi; int resolutie; } gevallen[] = {
        {96, 96}, {96.4, 96}, {96.6, 97}, {120.5, 120}, {121.5, 122}, {143.5, 144},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(Resolutie({QSize(800, 600), g.dpi}), g.resolutie) << g.dpi;
}

TEST(TitelFeiten, OnlyAScreenOffNinetySixDpiIsWarnedAbout)
{
    EXPECT_FALSE(ResolutieWaarschuwing(96));
    const auto waarschuwing = ResolutieWaarschuwing(120);
    ASSERT_TRUE(waarschuwing);
    const QStringList regels = waarschuwing->split(QStringLiteral("\r\n"));
    ASSERT_EQ(regels.size(), 4);
    EXPECT_EQ(regels[0], QStringLiteral("Uw beeldscherm is ingesteld op 120 DPI (Dots Per Inch)"));
    EXPECT_EQ(regels[1], QStringLiteral("wijzig dit naar 96 DPI. Op onderstaande internet site"));
    EXPECT_EQ(regels[2], QStringLiteral("is beschreven hoe deze wijziging kan worden gedaan."));
    EXPECT_EQ(regels[3], kResolutieAdres);
    EXPECT_TRUE(ResolutieWaarschuwing(72)->startsWith(QStringLiteral("Uw beeldscherm is ingesteld op 72 DPI")));
}

TEST(TitelFeiten, TheClockCaptionBeginsWithABlank)
{
    struct { QDateTime nu; const char* tekst; } gevallen[] = {
        {kMoment, " 9:05:03 / 07-03-2011"},
        {QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)), " 23:59:59 / 31-12-2026"},
        {QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0)), " 0:00:00 / 01-01-2000"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(KlokTekst(g.nu), QString::fromLatin1(g.tekst));
}

TEST(TitelFeiten, AnimationColoursOfAColumn)
{
    // Rows 0-4 red, 5-10 grey, 11-15 blue, at level column / 2 + 130 with
    // halves rounded to the even neighbour.
    struct { int kolom; int niveau; } gevallen[] = {
        {0, 130}, {1, 130}, {2, 131}, {3, 132}, {5, 132}, {7, 134}, {239, 250}, {240, 250},
    };
    for (const auto& g : gevallen) {
        for (int rij = 0; rij < 16; ++rij) {
            const int n = g.niveau;
            const QColor verwacht = rij < 5 ? QColor(n, 0, 0) : rij < 11 ? QColor(n, n, n) : QColor(0, 0, n);
            EXPECT_EQ(AnimatieKleur(g.kolom, rij), verwacht) << "column " << g.kolom << " row " << rij;
        }
    }
}
