// Every kind of file the program writes, saved on a full disk: the old file
// stays byte for byte, nothing is left beside it and the user is told; with
// room again the same save replaces it.
#include "invoice/address_file.h"
#include "invoice/invoice_file.h"
#include "invoice/settings_file.h"
#include "logo/logo_bestanden.h"
#include "output/factuur_naar_pdf.h"
#include "output/pdf_export.h"
#include "platform/files.h"
#include "platform/pictures.h"

#include "support/bitmap.h"
#include "support/kleine_schijf.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QImage Beeld(int breedte, int hoogte)
{
    QImage beeld(breedte, hoogte, QImage::Format_RGB32);
    beeld.fill(Qt::darkCyan);
    return beeld;
}

struct Soort {
    const char* naam;
    QString bestand;
    // Saves over the file; the routines that tell the user themselves get
    // the name "oud" and a Yes to replacing it.
    std::function<bool(const QString& map, Factuur& f, ScriptedPrompts& prompts)> bewaar;
    bool meldtZelf;
};

const Soort kSoorten[] = {
    {"settings", "Quillet.ini",
     [](const QString& map, Factuur& f, ScriptedPrompts&) { return SchrijfInstellingen(f, map + "/Quillet.ini"); },
     false},
    {"invoice", "Facturen/oud.fac",
     [](const QString& map, Factuur& f, ScriptedPrompts& p) { return SaveFactuur(f, p, map); }, true},
    {"address", "Adressen/oud.adr",
     [](const QString& map, Factuur& f, ScriptedPrompts& p) { return SaveAdres(map, f.AdresTekst, p); },
     true},
    {"logo", "Logo/oud.bmp",
     [](const QString& map, Factuur&, ScriptedPrompts& p) { return LogoOpslaan(Beeld(625, 125), map, p); }, true},
    {"background", "Backgrounds/oud.bmp",
     [](const QString& map, Factuur&, ScriptedPrompts&) {
         return BewaarBmp(Beeld(460, 410), map + "/Backgrounds/oud.bmp");
     },
     false},
    {"pdf", "Pdf/oud.pdf",
     [](const QString& map, Factuur& f, ScriptedPrompts& p) {
         return platform::Opslaan(p, PdfOpslag(map, {}), [&](const QString& tijdelijk, const QString& naam) {
                    return FactuurNaarPdf(f, tijdelijk, naam, PdfBronnen{{"Afzender"}, {"Adres"}, {}, map});
                }).has_value();
     },
     true},
};

}  // namespace

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
