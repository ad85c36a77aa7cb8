#include "opstelling.h"

#include <QDir>
#include <QPushButton>
#include <QScrollBar>
#include <QtEndian>

namespace {

const QString kTitel = QStringLiteral(" Achtergrond opslaan");

QStringList Achtergronden(const Opstelling& o)
{
    return QDir(o.map.file(QStringLiteral("Backgrounds"))).entryList(QDir::Files);
}

std::uint32_t Woord(const QByteArray& bytes, int plek)
{
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + plek);
}

TEST(AchtergrondOpslaan, WritesTheCanvasAsAnUncompressed24BitBitmapAndStaysOpen)
{
    Opstelling o;
    o.Open(Verloop(100, 80));
    o.venster.show();
    o.prompts.invoer.push_back(QStringLiteral("Zonsopgang"));
    o.venster.SaveKnop->click();

    ASSERT_EQ(o.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(o.prompts.gevraagd[0].soort, "Invoer");
    EXPECT_EQ(o.prompts.gevraagd[0].titel, kTitel);
    EXPECT_EQ(o.prompts.gevraagd[0].tekst, "Geef een naam voor deze achtergrond...");
    EXPECT_TRUE(o.venster.isVisible());

    const QByteArray bytes = o.map.read(QStringLiteral("Backgrounds/Zonsopgang.bmp"));
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(Woord(bytes, 18), 460u);                     // width
    EXPECT_EQ(Woord(bytes, 22), 410u);                     // height, bottom-up
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(bytes.constData() + 28), 24);  // bits per pixel
    EXPECT_EQ(Woord(bytes, 30), 0u);                       // no compression
    EXPECT_EQ(bytes.size(), 54 + 460 * 3 * 410);          // rows of 1380 bytes need no padding
    const auto terug = platform::LaadPlaatje(o.map.file(QStringLiteral("Backgrounds/Zonsopgang.bmp")));
    ASSERT_TRUE(terug);
    EXPECT_EQ(terug->convertToFormat(QImage::Format_RGB32), o.Doek());
}

TEST(AchtergrondOpslaan, ATakenNameIsReplacedOnlyAfterYes)
{
    Opstelling o;
    o.Open(Effen(Qt::darkCyan));
    o.map.write(QStringLiteral("Backgrounds/olifant.bmp"), "het oude plaatje");

    o.prompts.invoer = {QStringLiteral("Olifant"), QStringLiteral("OLIFANT")};
    o.prompts.antwoorden = {false, true};
    o.venster.SaveKnop_Click();
    ASSERT_EQ(o.prompts.gevraagd.size(), 2u);
    EXPECT_EQ(o.prompts.gevraagd[1].soort, "Vraag");
    EXPECT_EQ(o.prompts.gevraagd[1].titel, " Exist");
    EXPECT_EQ(o.prompts.gevraagd[1].tekst, "Naam achtergrond bestaat reeds, wilt u deze overschrijven?");
    EXPECT_EQ(o.map.read(QStringLiteral("Backgrounds/olifant.bmp")), "het oude plaatje");

    o.venster.SaveKnop_Click();
    // The file asked about is the one replaced; no second spelling appears.
    EXPECT_EQ(Achtergronden(o), QStringList{QStringLiteral("olifant.bmp")});
    const auto terug = platform::LaadPlaatje(o.map.file(QStringLiteral("Backgrounds/olifant.bmp")));
    ASSERT_TRUE(terug);
    EXPECT_EQ(terug->convertToFormat(QImage::Format_RGB32), o.Doek());
}

TEST(AchtergrondOpslaan, NoNameOrAnUnusableNameWritesNothing)
{
    struct {
        std::optional<QString> naam;
        bool melding;
    } gevallen[] = {
        {std::nullopt, false},
        {QString(), false},
        {QStringLiteral("map/naam"), true},
        {QStringLiteral("map\\naam"), true},
        {QStringLiteral("   "), false},
        {QStringLiteral(".."), true},
    };
    for (const auto& g : gevallen) {
        Opstelling o;
        o.prompts.invoer.push_back(g.naam);
        o.venster.SaveKnop_Click();
        EXPECT_TRUE(Achtergronden(o).isEmpty()) << g.naam.value_or("(cancel)").toStdString();
        ASSERT_EQ(o.prompts.gevraagd.size(), g.melding ? 2u : 1u) << g.naam.value_or("(cancel)").toStdString();
        if (g.melding) {
            EXPECT_EQ(o.prompts.gevraagd[1].soort, "Melding");
            EXPECT_EQ(o.prompts.gevraagd[1].titel, kTitel);
            EXPECT_EQ(o.prompts.gevraagd[1].tekst,
                      QStringLiteral("De naam '") + *g.naam + QStringLiteral("' kan niet als bestandsnaam worden gebruikt."));
        }
    }
}

TEST(AchtergrondOpslaan, AMissingFolderIsMadeAndAFailedWriteIsToldAndLeavesNoFile)
{
    Opstelling o;
    ASSERT_TRUE(QDir(o.map.file(QStringLiteral("Backgrounds"))).removeRecursively());
    o.prompts.invoer.push_back(QStringLiteral("Golf"));
    o.venster.SaveKnop_Click();
    EXPECT_EQ(Achtergronden(o), QStringList{QStringLiteral("Golf.bmp")});

    // A file where the folder belongs: nothing can be written there.
    ASSERT_TRUE(QDir(o.map.file(QStringLiteral("Backgrounds"))).removeRecursively());
    o.map.write(QStringLiteral("Backgrounds"), "geen map");
    o.prompts.gevraagd.clear();
    o.prompts.invoer.push_back(QStringLiteral("Zee"));
    o.venster.SaveKnop_Click();
    ASSERT_EQ(o.prompts.gevraagd.size(), 2u);
    EXPECT_EQ(o.prompts.gevraagd[1].soort, "Melding");
    EXPECT_EQ(o.prompts.gevraagd[1].titel, kTitel);
    EXPECT_TRUE(o.prompts.gevraagd[1].tekst.startsWith("De achtergrond kon niet worden opgeslagen als "));
    EXPECT_TRUE(o.prompts.gevraagd[1].tekst.contains("Zee.bmp"));
    EXPECT_FALSE(QFileInfo::exists(o.map.file(QStringLiteral("Backgrounds/Zee.bmp"))));
}

}  // namespace
