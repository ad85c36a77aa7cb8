#include "output/pdf_export.h"

#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

TEST(VraagPdfBestand, AsksForANameAndBeforeReplacing)
{
    TempProgramFolder map;
    QDir(map.path()).mkdir("Pdf");
    const QString pdf = map.file("Pdf");
    ScriptedPrompts p;

    p.invoer = {QStringLiteral("08-12-2026")};
    EXPECT_EQ(VraagPdfBestand(pdf, QStringLiteral("08-12-2026"), p)->pad, pdf + "/08-12-2026.pdf");
    ASSERT_EQ(p.gevraagd.size(), 1u);
    EXPECT_EQ(p.gevraagd[0].titel, QStringLiteral(" Opslaan naar Pdf-formaat"));
    EXPECT_EQ(p.gevraagd[0].tekst,
              QStringLiteral("Geef een naam voor deze factuur...\r\nBestanden worden in de map 'Pdf' geplaatst."));

    // An existing file, whatever the case of its name, is asked about.
    map.write("Pdf/Klant.PDF", "old");
    p.gevraagd.clear();
    p.invoer = {QStringLiteral("klant")};
    p.antwoorden = {false};
    EXPECT_FALSE(VraagPdfBestand(pdf, {}, p).has_value());
    ASSERT_EQ(p.gevraagd.size(), 2u);
    EXPECT_EQ(p.gevraagd[1].titel, QStringLiteral(" File exist"));
    EXPECT_EQ(p.gevraagd[1].tekst, QStringLiteral("Bestand 'klant' bestaat reeds, overschrijven?"));
    // The file keeps its name; the document's title is the name as typed.
    p.invoer = {QStringLiteral("klant")};
    p.antwoorden = {true};
    const auto doel = VraagPdfBestand(pdf, {}, p);
    ASSERT_TRUE(doel.has_value());
    EXPECT_EQ(doel->pad, pdf + "/Klant.PDF");
    EXPECT_EQ(doel->naam, QStringLiteral("klant"));
}

TEST(VraagPdfBestand, CancelEmptyAndUnsafeNamesWriteNothing)
{
    TempProgramFolder map;
    ScriptedPrompts p;
    p.invoer = {std::nullopt, QString(), QStringLiteral("../buiten"), QStringLiteral("a\\b")};
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(VraagPdfBestand(map.path(), {}, p).has_value()) << i;
    int meldingen = 0;
    for (const auto& box : p.gevraagd)
        meldingen += box.soort == QStringLiteral("Melding");
    EXPECT_EQ(meldingen, 2);  // the two unsafe names are explained; cancel and empty just stop
}
