#include "efactuur_fixture.h"

#include "invoice/algemeen.h"
#include "invoice/regels_totalen.h"
#include "output/factuur_naar_pdf.h"
#include "platform/amount.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(Efactuur, CarriesTheVeryPdfOfNaarPdfFormaat)
{
    EfactuurOpstelling e;
    const std::time_t moment = 1'797'000'000;
    const QByteArray xml = e.Exporteer(QStringLiteral("Proef"), moment);
    ASSERT_FALSE(xml.isEmpty()) << e.LaatsteMelding().toStdString();
    const QByteArray ingebed = QByteArray::fromBase64(Element(xml, "cbc:EmbeddedDocumentBinaryObject").toLatin1());

    const QString pdf = e.map.file("Proef.pdf");
    ASSERT_TRUE(FactuurNaarPdf(e.f, pdf, QStringLiteral("Proef"), e.b, moment));
    EXPECT_EQ(ingebed, e.map.read("Proef.pdf"));
    EXPECT_TRUE(xml.contains("mimeCode=\"application/pdf\" filename=\"Proef.pdf\""));

    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
    ASSERT_TRUE(qpdf.waitForFinished(30000));
    EXPECT_EQ(qpdf.exitCode(), 0) << qpdf.readAllStandardOutput().toStdString();
    EXPECT_EQ(e.LaatsteMelding(), "De e-factuur staat in " + e.map.file("Efactuur/Proef.xml") + ".");
}

TEST(Efactuur, TotalsAreThoseOfThePageWhicheverRuleMadeThem)
{
    struct {
        std::vector<const char*> prijzen;
        int procent;
        const char* ex;
        const char* btw;
        const char* incl;
    } gevallen[] = {
        {{"10,50"}, 21, "10.50", "2.21", "12.71"},
        {{"450,00", "129,95"}, 21, "579.95", "121.79", "701.74"},
        {{"0,05", "0,05", "0,05"}, 9, "0.15", "0.01", "0.16"},
        {{"-20,00", "100"}, 21, "80.00", "16.80", "96.80"},
        // Three decimals: each line is rounded first, as the standard wants.
        {{"1,005", "1,005"}, 21, "2.02", "0.42", "2.44"},
        {{"10,005", "0,125", "33,335", "1,999", "2,5"}, 21, "47.98", "10.08", "58.06"},
    };
    for (const auto& g : gevallen) {
        EfactuurOpstelling e;
        for (int i = 0; i < Factuur::kRegels; ++i)
            e.ZetRegel(i, "", QString(), "");
        for (std::size_t i = 0; i < g.prijzen.size(); ++i)
            e.ZetRegel(int(i), "", QStringLiteral("Regel"), g.prijzen[i]);
        e.f.BtwProcent = std::uint8_t(g.procent);
        const QByteArray xml = e.Exporteer(QStringLiteral("t"));
        ASSERT_FALSE(xml.isEmpty()) << e.LaatsteMelding().toStdString();
        EXPECT_EQ(Element(xml, "cbc:TaxExclusiveAmount"), g.ex) << g.prijzen[0];
        EXPECT_EQ(Element(xml, "cbc:TaxAmount"), g.btw) << g.prijzen[0];
        EXPECT_EQ(Element(xml, "cbc:PayableAmount"), g.incl) << g.prijzen[0];
        // Opened from a file, and confirmed in the lines editor: the page asks the same.
        HerberekenFactuur(e.f);
        for (int pad = 0; pad < 2; ++pad) {
            if (pad == 1)
                BevestigRegels(e.f, e.f.Aantal, e.f.Omschrijving, e.f.Prijs);
            EXPECT_EQ(platform::FormatBedrag(e.f.TotaalExBtw), QString::fromLatin1(g.ex).replace('.', ',')) << pad;
            EXPECT_EQ(platform::FormatBedrag(e.f.TotaalBtw), QString::fromLatin1(g.btw).replace('.', ',')) << pad;
            EXPECT_EQ(platform::FormatBedrag(e.f.TotaalInclBtw), QString::fromLatin1(g.incl).replace('.', ',')) << pad;
        }
    }
}

TEST(Efactuur, WhatAReceiverRejectsIsToldAndNothingIsWritten)
{
    struct {
        const char* wat;
        std::function<void(EfactuurOpstelling&)> maak;
        const char* melding;
    } gevallen[] = {
        {"no date", [](EfactuurOpstelling& e) { e.f.FactuurDatum.reset(); },
         "Deze factuur heeft nog geen factuurdatum. Kies eerst een datum met een dubbelklik op 'Factuurdatum'."},
        {"no real date", [](EfactuurOpstelling& e) { e.f.FactuurDatum = QStringLiteral("31-02-2026"); },
         "De factuurdatum '31-02-2026' is geen bestaande datum."},
        {"no seller name", [](EfactuurOpstelling& e) { e.f.Bedrijf.Bedrijfsnaam.clear(); },
         "Vul eerst de bedrijfsnaam in onder 'Instellingen' / 'Bedrijfsgegevens'."},
        {"no seller VAT number", [](EfactuurOpstelling& e) { e.f.Bedrijf.BtwNummer.clear(); },
         "Vul eerst het btw-nummer in onder 'Instellingen' / 'Bedrijfsgegevens': een e-factuur noemt het "
         "btw-nummer van de verkoper."},
        {"no lines", [](EfactuurOpstelling& e) { for (int i = 0; i < 2; ++i) e.ZetRegel(i, "01-12", "  ", ""); },
         "Deze factuur heeft geen regels."},
        {"negative total", [](EfactuurOpstelling& e) { e.ZetRegel(2, "", QStringLiteral("Retour"), "-600"); },
         "Het totaal van deze factuur is negatief; een e-factuur kan dat niet zijn."},
    };
    for (const auto& g : gevallen) {
        EfactuurOpstelling e;
        g.maak(e);
        EXPECT_TRUE(e.Exporteer(QStringLiteral("x")).isEmpty()) << g.wat;
        EXPECT_EQ(e.LaatsteMelding(), QString::fromUtf8(g.melding)) << g.wat;
        EXPECT_TRUE(e.voorgesteld.empty()) << g.wat << ": the buyer was asked for in vain";
        EXPECT_FALSE(QFile::exists(e.map.file("Adressen/Janssen & Zonen.klant"))) << g.wat;
    }
    // Cancel in "Klantgegevens" writes nothing at all.
    EfactuurOpstelling e;
    e.geannuleerd = true;
    EXPECT_TRUE(e.Exporteer(QStringLiteral("x")).isEmpty());
    EXPECT_TRUE(QDir(e.map.file("Efactuur")).isEmpty());
}
