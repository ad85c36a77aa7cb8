#include "efactuur_fixture.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <iostream>

// Every case of the matrix written by the export and checked the way a
// receiver checks it: the UBL schema, the EN 16931 rules and the rules of the
// profile the file claims, which must be the one the buyer's details lead to.
TEST(UblValidatie, TheWholeMatrixPassesTheReceiversChecks)
{
    const QString validator = QStringLiteral(QUILLET_EINVOICE_DIR "/validate-ubl");
    ASSERT_TRUE(QFile::exists(validator)) << "the e-invoice validators are missing: expected " << validator.toStdString()
                                          << "; this test cannot pass without them";
    const QString peppol = QStringLiteral("urn:cen.eu:en16931:2017#compliant#urn:fdc:peppol.eu:2017:poacc:billing:3.0");
    const QString siUbl = QStringLiteral("urn:cen.eu:en16931:2017#compliant#urn:fdc:nen.nl:nlcius:v1.0");
    const QString norm = QStringLiteral("urn:cen.eu:en16931:2017");
    // The credit note of the fixture's invoice: the same lines, turned.
    const auto credit = [](EfactuurOpstelling& e) {
        e.f.Prijs[0] = QStringLiteral("-450,00");
        e.f.Prijs[1] = QStringLiteral("-129,95");
        e.ZetRegel(2, "04-12", QStringLiteral("Korting"), "20,00");
        e.f.FactuurNummer = QStringLiteral("2026-018");
        e.f.BetreftNummer = QStringLiteral("2026-009");
        e.f.BetreftDatum = QStringLiteral("20-11-2026");
    };
    struct Geval {
        const char* naam;
        const QString& profiel;
        std::function<void(EfactuurOpstelling&, Klantgegevens&)> maak;
    };
    const Geval gevallen[] = {
        {"btw21", peppol, [](EfactuurOpstelling&, Klantgegevens&) {}},
        {"btw9-zonder-kvk", peppol,
         [](EfactuurOpstelling& e, Klantgegevens&) {
             e.f.BtwProcent = 9;
             e.f.Bedrijf.KvkNummer.clear();   // the seller by its btw-nummer
         }},
        {"nul-z", peppol, [](EfactuurOpstelling& e, Klantgegevens&) { e.f.BtwProcent = 0; }},
        {"nul-e", peppol,
         [](EfactuurOpstelling& e, Klantgegevens&) {
             e.f.BtwProcent = 0;
             e.f.Nultarief = NulTarief::Vrijgesteld;
             e.f.RedenVrijstelling = QStringLiteral("Vrijgesteld van btw (KOR)");
         }},
        {"nul-ae", peppol,
         [](EfactuurOpstelling& e, Klantgegevens& k) {
             e.f.BtwProcent = 0;
             e.f.Nultarief = NulTarief::Verlegd;
             k.BtwNummer = QStringLiteral("NL987654321B01");
             k.Id = KlantId::Btw;
         }},
        {"nul-k", peppol,
         [](EfactuurOpstelling& e, Klantgegevens& k) {
             e.f.BtwProcent = 0;
             e.f.Nultarief = NulTarief::Intracommunautair;
             k.Land = QStringLiteral("BE");
             k.Straat = QStringLiteral("Rue Neuve 1");
             k.Postcode = QStringLiteral("1000");
             k.Plaats = QStringLiteral("Bruxelles");
             k.BtwNummer = QStringLiteral("BE0123456749");
             k.Id = KlantId::Btw;
             k.Email = QStringLiteral("boekhouding@klant.be");
         }},
        {"overheid", peppol,
         [](EfactuurOpstelling&, Klantgegevens& k) {
             k.Id = KlantId::Oin;
             k.IdNummer = QStringLiteral("00000001003214345000");
         }},
        {"een-regel-gln", peppol,
         [](EfactuurOpstelling& e, Klantgegevens& k) {
             e.ZetRegel(1, "", QString(), "");
             k.Id = KlantId::Gln;
             k.IdNummer = QStringLiteral("8712345678906");
         }},
        {"twintig-regels", peppol,
         [](EfactuurOpstelling& e, Klantgegevens&) {
             for (int i = 0; i < Factuur::kRegels; ++i)
                 e.ZetRegel(i, "05-12", QStringLiteral("Uur %1").arg(i + 1), i == 7 ? "-15,00" : "62,50");
         }},
        {"tekens", peppol,
         [](EfactuurOpstelling& e, Klantgegevens& k) {
             e.ZetRegel(0, "é", QStringLiteral("Café-advies voor Zoë: € & <koffie> ☕ 😀"), "12,5");
             e.f.Bedrijf.Bedrijfsnaam = QStringLiteral("Atelier Noël & Co <B.V.>");
             k.Naam = QStringLiteral("Brasserie Ëlan & Zonen <NL> 𝄞");
             e.f.Bedrijf.Email = QStringLiteral("info@noel.nl");
         }},
        {"komma-en-drie-decimalen", peppol,
         [](EfactuurOpstelling& e, Klantgegevens&) {
             e.ZetRegel(0, "01-12", QStringLiteral("Kilometers"), "0,195");
             e.ZetRegel(1, "01-12", QStringLiteral("Papier"), "3,333");
             e.ZetRegel(2, "01-12", QStringLiteral("Inkt"), "7,5");
         }},
        {"si-ubl", siUbl, [](EfactuurOpstelling&, Klantgegevens& k) { k.Profiel = Profielkeuze::SiUbl; }},
        {"si-ubl-overheid-nul-e", siUbl,
         [](EfactuurOpstelling& e, Klantgegevens& k) {
             k.Profiel = Profielkeuze::SiUbl;
             k.Id = KlantId::Oin;
             k.IdNummer = QStringLiteral("00000001003214345000");
             e.f.BtwProcent = 0;
             e.f.Nultarief = NulTarief::Vrijgesteld;
         }},
        {"si-ubl-nul-k", siUbl,
         [](EfactuurOpstelling& e, Klantgegevens& k) {
             k.Profiel = Profielkeuze::SiUbl;
             e.f.BtwProcent = 0;
             e.f.Nultarief = NulTarief::Intracommunautair;
             k.Land = QStringLiteral("BE");
             k.BtwNummer = QStringLiteral("BE0123456749");
             k.Id = KlantId::Btw;
         }},
        {"creditnota", peppol, [credit](EfactuurOpstelling& e, Klantgegevens&) { credit(e); }},
        {"creditnota-verlegd", peppol,
         [credit](EfactuurOpstelling& e, Klantgegevens& k) {
             credit(e);
             e.f.BtwProcent = 0;
             e.f.Nultarief = NulTarief::Verlegd;
             k.BtwNummer = QStringLiteral("NL987654321B01");
             k.Id = KlantId::Btw;
         }},
        {"si-ubl-creditnota-zonder-iban", siUbl,
         [credit](EfactuurOpstelling& e, Klantgegevens& k) {
             credit(e);
             k.Profiel = Profielkeuze::SiUbl;
             e.f.Bedrijf.Iban.clear();
             e.f.Bedrijf.Bic.clear();
         }},
        {"zonder-peppol-adres-en-iban", norm,
         [](EfactuurOpstelling& e, Klantgegevens& k) {
             e.f.FactuurNummer = QStringLiteral("001");
             e.f.Bedrijf.Iban.clear();
             e.f.Bedrijf.Bic.clear();
             e.f.Bedrijf.Email.clear();
             k.Id = KlantId::Geen;
         }},
    };
    QStringList bestanden;
    for (const Geval& g : gevallen) {
        EfactuurOpstelling e;
        Klantgegevens k = KlantVoorstel(e.f, e.map.path()).gegevens;
        k.Id = KlantId::Kvk;
        k.IdNummer = QStringLiteral("87654321");
        g.maak(e, k);
        e.antwoord = k;
        const QString naam = QString::fromLatin1(g.naam);
        const QByteArray xml = e.Exporteer(naam);
        ASSERT_FALSE(xml.isEmpty()) << g.naam << ": " << e.LaatsteMelding().toStdString();
        EXPECT_EQ(Element(xml, "cbc:CustomizationID"), g.profiel) << g.naam;
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
    // The Dutch rules' advice is heeded too: no account name, no BIC for a SEPA transfer.
    EXPECT_FALSE(uitvoer.contains("warning [SI-UBL 2.0]")) << uitvoer.toStdString();
    for (const QString& b : bestanden)
        QFile::remove(b);
}
