#include "efactuur_fixture.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <iostream>

// Every case of the matrix written by the export and checked the way a
// receiver checks it: the UBL schema and the EN 16931 rules.
TEST(UblValidatie, TheWholeMatrixPassesTheReceiversChecks)
{
    const QString validator = QStringLiteral(QUILLET_EINVOICE_DIR "/validate-ubl");
    ASSERT_TRUE(QFile::exists(validator)) << "the e-invoice validators are missing: expected " << validator.toStdString()
                                          << "; this test cannot pass without them";
    struct Geval {
        const char* naam;
        std::function<void(EfactuurOpstelling&, Klantgegevens&)> maak;
    };
    const Geval gevallen[] = {
        {"btw21", [](EfactuurOpstelling&, Klantgegevens&) {}},
        {"btw9", [](EfactuurOpstelling& e, Klantgegevens&) { e.f.BtwProcent = 9; }},
        {"nul-z", [](EfactuurOpstelling& e, Klantgegevens&) { e.f.BtwProcent = 0; }},
        {"nul-e",
         [](EfactuurOpstelling& e, Klantgegevens& k) {
             e.f.BtwProcent = 0;
             k.Nultarief = NulTarief::Vrijgesteld;
             k.RedenVrijstelling = QStringLiteral("Vrijgesteld van btw (KOR)");
         }},
        {"nul-ae",
         [](EfactuurOpstelling& e, Klantgegevens& k) {
             e.f.BtwProcent = 0;
             k.Nultarief = NulTarief::Verlegd;
             k.BtwNummer = QStringLiteral("NL987654321B01");
         }},
        {"nul-k",
         [](EfactuurOpstelling& e, Klantgegevens& k) {
             e.f.BtwProcent = 0;
             k.Nultarief = NulTarief::Intracommunautair;
             k.Land = QStringLiteral("BE");
             k.BtwNummer = QStringLiteral("BE0123456749");
             k.Email = QStringLiteral("boekhouding@klant.be");
         }},
        {"een-regel", [](EfactuurOpstelling& e, Klantgegevens&) { e.ZetRegel(1, "", QString(), ""); }},
        {"twintig-regels",
         [](EfactuurOpstelling& e, Klantgegevens&) {
             for (int i = 0; i < Factuur::kRegels; ++i)
                 e.ZetRegel(i, "05-12", QStringLiteral("Uur %1").arg(i + 1), i == 7 ? "-15,00" : "62,50");
         }},
        {"tekens",
         [](EfactuurOpstelling& e, Klantgegevens& k) {
             e.ZetRegel(0, "é", QStringLiteral("Café-advies voor Zoë: € & <koffie>"), "12,5");
             e.f.Bedrijf.Bedrijfsnaam = QStringLiteral("Atelier Noël & Co <B.V.>");
             k.Naam = QStringLiteral("Brasserie Ëlan & Zonen <NL>");
             e.f.Bedrijf.Email = QStringLiteral("info@noel.nl");
         }},
        {"komma-en-drie-decimalen",
         [](EfactuurOpstelling& e, Klantgegevens&) {
             e.ZetRegel(0, "01-12", QStringLiteral("Kilometers"), "0,195");
             e.ZetRegel(1, "01-12", QStringLiteral("Papier"), "3,333");
             e.ZetRegel(2, "01-12", QStringLiteral("Inkt"), "7,5");
         }},
        {"voorbeeld-readme",
         [](EfactuurOpstelling& e, Klantgegevens&) {
             e.f.FactuurNummer = QStringLiteral("001");
             e.f.Bedrijf.Iban.clear();
             e.f.Bedrijf.Bic.clear();
             e.f.Bedrijf.Email.clear();
         }},
    };
    QStringList bestanden;
    for (const Geval& g : gevallen) {
        EfactuurOpstelling e;
        Klantgegevens k = KlantVoorstel(e.f, e.map.path());
        g.maak(e, k);
        e.antwoord = k;
        const QString naam = QString::fromLatin1(g.naam);
        const QByteArray xml = e.Exporteer(naam);
        ASSERT_FALSE(xml.isEmpty()) << g.naam << ": " << e.LaatsteMelding().toStdString();
        const QString kopie = QDir::temp().filePath("quillet-ubl-" + naam + ".xml");
        QFile::remove(kopie);
        ASSERT_TRUE(QFile::copy(e.map.file("Efactuur/" + naam + ".xml"), kopie));
        bestanden << kopie;
    }
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(validator, bestanden);
    ASSERT_TRUE(p.waitForFinished(240000)) << "validate-ubl did not finish";
    const QString uitvoer = QString::fromUtf8(p.readAll());
    std::cout << uitvoer.toStdString();   // the warnings, for the reader of the log
    EXPECT_EQ(p.exitCode(), 0) << uitvoer.toStdString();
    for (const QString& b : bestanden)
        QFile::remove(b);
}
