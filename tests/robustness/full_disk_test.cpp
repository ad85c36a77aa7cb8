// Every kind of file the program writes, saved on a full disk: the old file
// stays byte for byte, nothing is left beside it and the user is told; with
// room again the same save replaces it.
#include "saves.h"

#include "support/kleine_schijf.h"

#include <gtest/gtest.h>

using namespace saves;

TEST(FullDisk, EverySaveKeepsTheOldFileAndSaysSo)
{
    KleineSchijf schijf;
    if (!schijf.Gemount())
        GTEST_SKIP() << "mounting a small file system of its own needs root";
    const QByteArray oud = "de oude inhoud, die blijft";
    for (const Soort& soort : kSoorten) {
        SCOPED_TRACE(soort.naam);
        Factuur f;
        ZetStandaardwaarden(f);
        f.LogoBestand.clear();
        f.AchtergrondBestand.clear();
        {
            QFile bestand(schijf.file(soort.bestand));
            ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
            bestand.write(oud);
        }
        const QStringList ervoor = QDir(QFileInfo(schijf.file(soort.bestand)).path()).entryList(QDir::Files);

        schijf.Vul();
        ScriptedPrompts vol;
        vol.invoer = {QStringLiteral("oud")};
        vol.antwoorden = {true};
        EXPECT_FALSE(soort.bewaar(schijf.path(), f, vol));
        schijf.MaakRuimte();
        QFile bestand(schijf.file(soort.bestand));
        ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
        EXPECT_EQ(bestand.readAll(), oud);
        bestand.close();
        EXPECT_EQ(QDir(QFileInfo(schijf.file(soort.bestand)).path()).entryList(QDir::Files), ervoor);
        if (soort.meldtZelf) {
            ASSERT_FALSE(vol.gevraagd.empty());
            EXPECT_EQ(vol.gevraagd.back().soort, QStringLiteral("Melding"));
            EXPECT_TRUE(vol.gevraagd.back().tekst.contains(QStringLiteral(" kon niet worden opgeslagen ")))
                << vol.gevraagd.back().tekst.toStdString();
        }

        ScriptedPrompts ruim;
        ruim.invoer = {QStringLiteral("oud")};
        ruim.antwoorden = {true};
        EXPECT_TRUE(soort.bewaar(schijf.path(), f, ruim));
        ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
        const QByteArray nieuw = bestand.readAll();
        EXPECT_NE(nieuw, oud);
        EXPECT_GT(nieuw.size(), 100);
    }
}
