// What a save may remove and which names it takes, for every kind of file
// the program writes.
#include "saves.h"

#include "support/temp_folder.h"

#include <QDirIterator>
#include <gtest/gtest.h>

using namespace saves;

namespace {

QStringList AlleBestanden(const TempProgramFolder& map)
{
    QStringList namen;
    QDirIterator alles(map.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (alles.hasNext())
        namen << alles.next().mid(map.path().size() + 1);
    namen.sort();
    return namen;
}

}  // namespace

TEST(Saves, EverySaveLeavesTheUsersLookAlikeFilesAndClearsOnlyItsOwn)
{
    for (const Soort& soort : kSoorten) {
        SCOPED_TRACE(soort.naam);
        TempProgramFolder map;
        QDir(map.path()).mkdir(QStringLiteral("Pdf"));
        const QFileInfo doel(map.file(soort.bestand));
        const QString relatief = QDir(map.path()).relativeFilePath(doel.path());
        const QString voor = relatief == QStringLiteral(".") ? QString() : relatief + QStringLiteral("/");
        const QString naam = doel.fileName();
        // What a user keeps beside a file, in both letter cases, and names
        // that only look like the program's own.
        const QStringList vanDeGebruiker = {
            naam + QStringLiteral(".Backup"),        naam.toUpper() + QStringLiteral(".BACKUP"),
            naam + QStringLiteral(".Origin"),        naam + QStringLiteral(".part"),
            naam + QStringLiteral(".IvXjyd"),        naam.toUpper() + QStringLiteral(".aBcDeF"),
            QStringLiteral(".Quillet-Opslag-IvXj0d.tmp"), QStringLiteral(".quillet-opslag-IvXj0d.TMP"),
            QStringLiteral("quillet-opslag-IvXj0d.tmp"),
        };
        for (const QString& bestand : vanDeGebruiker)
            map.write(voor + bestand, bestand.toUtf8());
        map.write(voor + QStringLiteral(".quillet-opslag-IvXj0d.tmp"), "a save broken off");

        Factuur f;
        ZetStandaardwaarden(f);
        f.LogoBestand.clear();
        f.AchtergrondBestand.clear();
        ScriptedPrompts p;
        p.invoer = {QStringLiteral("oud")};
        ASSERT_TRUE(soort.bewaar(map.path(), f, p));

        QStringList verwacht{voor + naam};
        for (const QString& bestand : vanDeGebruiker) {
            verwacht << voor + bestand;
            EXPECT_EQ(map.read(voor + bestand), bestand.toUtf8());
        }
        verwacht.sort();
        EXPECT_EQ(AlleBestanden(map), verwacht);
    }
}

TEST(Saves, ANameWithAPointInFrontIsRefusedByEverySaveThatAsks)
{
    for (const Soort& soort : kSoorten) {
        if (!soort.meldtZelf)
            continue;
        SCOPED_TRACE(soort.naam);
        TempProgramFolder map;
        Factuur f;
        ZetStandaardwaarden(f);
        ScriptedPrompts p;
        p.invoer = {QStringLiteral(".verborgen")};
        EXPECT_FALSE(soort.bewaar(map.path(), f, p));
        ASSERT_EQ(p.gevraagd.size(), 2u);
        EXPECT_EQ(p.gevraagd[1].soort, QStringLiteral("Melding"));
        EXPECT_EQ(p.gevraagd[1].tekst, QStringLiteral("De naam '.verborgen' kan niet als bestandsnaam worden gebruikt."));
        EXPECT_EQ(AlleBestanden(map), QStringList());
    }
}

TEST(Saves, WhatIsWrittenUnderANameWithAPointInFrontIsReadBack)
{
    TempProgramFolder map;
    Klantgegevens k;
    k.Naam = QStringLiteral(".Punt Reclame");
    k.BtwNummer = QStringLiteral("NL123456789B01");
    ASSERT_TRUE(OnthoudKlant(map.path(), k.Naam, k));
    const auto terug = OnthoudenKlant(map.path(), k.Naam);
    ASSERT_TRUE(terug.has_value());
    EXPECT_EQ(terug->gegevens.BtwNummer, k.BtwNummer);
}

TEST(Saves, APictureNameTheSettingsCannotHoldIsRefusedWhereItIsMade)
{
    for (const Soort& soort : kSoorten) {
        if (!soort.meldtZelf)
            continue;
        SCOPED_TRACE(soort.naam);
        const bool plaatje = soort.bestand.endsWith(QStringLiteral(".bmp"));
        TempProgramFolder map;
        Factuur f;
        ZetStandaardwaarden(f);
        f.LogoBestand.clear();
        f.AchtergrondBestand.clear();
        ScriptedPrompts p;
        p.invoer = {QString::fromUtf8("Łódź")};
        EXPECT_EQ(soort.bewaar(map.path(), f, p), !plaatje);
        const QString bestand = QFileInfo(soort.bestand).path() + QString::fromUtf8("/Łódź.")
            + QFileInfo(soort.bestand).suffix();
        EXPECT_EQ(QFile::exists(map.file(bestand)), !plaatje);
        if (plaatje) {
            ASSERT_EQ(p.gevraagd.size(), 2u);
            EXPECT_EQ(p.gevraagd[1].tekst, QString::fromUtf8("De naam 'Łódź' bevat tekens die Quillet niet kan "
                                                             "onthouden: Ł ź. Kies een naam zonder die tekens."));
        }
    }
}
