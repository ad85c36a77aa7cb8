#include "invoice/factuur.h"
#include "output/factuur_naar_pdf.h"
#include "output/pdf_export.h"

#include "pdf/pdf_test_support.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

// "Naar Pdf-formaat" up to the viewer, as the menu runs it.
struct PdfExport {
    TempProgramFolder map;
    Factuur f;
    ScriptedPrompts p;

    PdfExport()
    {
        ZetStandaardwaarden(f);
        f.LogoBestand.clear();
        f.AchtergrondBestand.clear();
    }
    std::optional<QString> Exporteer(std::optional<QString> naam, std::deque<bool> antwoorden = {})
    {
        p.invoer = {std::move(naam)};
        p.antwoorden = std::move(antwoorden);
        return platform::Opslaan(p, PdfOpslag(map.path(), QStringLiteral("08-12-2026")),
                                 [this](const QString& tijdelijk, const QString& naam) {
                                     return FactuurNaarPdf(f, tijdelijk, naam, PdfBronnen{{}, {}, {}, map.path()});
                                 });
    }
};

}  // namespace

TEST(PdfOpslag, AsksForANameAndBeforeReplacing)
{
    PdfExport e;
    EXPECT_EQ(e.Exporteer(QStringLiteral("08-12-2026")), e.map.file("Pdf/08-12-2026.pdf"));
    ASSERT_EQ(e.p.gevraagd.size(), 1u);
    EXPECT_EQ(e.p.gevraagd[0].titel, QStringLiteral(" Opslaan naar Pdf-formaat"));
    EXPECT_EQ(e.p.gevraagd[0].tekst,
              QStringLiteral("Geef een naam voor deze factuur...\r\nBestanden worden in de map 'Pdf' geplaatst."));

    // An existing file, whatever the case of its name, is asked about.
    e.map.write("Pdf/Klant.PDF", "old");
    e.p.gevraagd.clear();
    EXPECT_FALSE(e.Exporteer(QStringLiteral("klant"), {false}).has_value());
    ASSERT_EQ(e.p.gevraagd.size(), 2u);
    EXPECT_EQ(e.p.gevraagd[1].titel, QStringLiteral(" File exist"));
    EXPECT_EQ(e.p.gevraagd[1].tekst, QStringLiteral("Bestand 'klant' bestaat reeds, overschrijven?"));
    EXPECT_EQ(e.map.read("Pdf/Klant.PDF"), QByteArray("old"));
    // The file keeps its name; the document's title is the name as typed.
    EXPECT_EQ(e.Exporteer(QStringLiteral("klant"), {true}), e.map.file("Pdf/Klant.PDF"));
    EXPECT_NE(pdftest::CheckPdf(e.map.file("Pdf/Klant.PDF").toStdString()).bytes.find("/Title (klant)"),
              std::string::npos);
}

TEST(PdfOpslag, CancelEmptyAndUnsafeNamesWriteNothing)
{
    PdfExport e;
    for (const std::optional<QString>& naam : {std::optional<QString>(), std::optional<QString>(QString()),
                                               std::optional<QString>("../buiten"), std::optional<QString>("a\\b")})
        EXPECT_FALSE(e.Exporteer(naam).has_value());
    int meldingen = 0;
    for (const auto& box : e.p.gevraagd)
        meldingen += box.soort == QStringLiteral("Melding");
    EXPECT_EQ(meldingen, 2);  // the two unsafe names are explained; cancel and empty just stop
    EXPECT_FALSE(QDir(e.map.file("Pdf")).exists());
}

TEST(PdfOpslag, ALowerCasePdfFolderIsReusedAndTheTitleIsTheNameAsTyped)
{
    PdfExport e;
    QDir(e.map.path()).mkdir(QStringLiteral("pdf"));
    e.map.write("pdf/test1.pdf", "old");
    EXPECT_EQ(e.Exporteer(QStringLiteral("TEST1"), {true}), e.map.file("pdf/test1.pdf"));
    ASSERT_EQ(e.p.gevraagd.size(), 2u);   // the overwrite question saw the file in "pdf"
    EXPECT_EQ(QDir(e.map.path()).entryList({QStringLiteral("?df")}, QDir::Dirs), QStringList{"pdf"});
    const auto pdf = pdftest::CheckPdf(e.map.file("pdf/test1.pdf").toStdString());
    EXPECT_NE(pdf.bytes.find("/Title (TEST1)"), std::string::npos);
}
