#include "efactuur_fixture.h"

#include "einvoice/efactuur_controle.h"
#include "invoice/customer_file.h"
#include "platform/files.h"

#include <gtest/gtest.h>

TEST(Klant, ProposedFromTheAddressBlock)
{
    struct {
        const char* adres;
        const char* naam;
        const char* straat;
        const char* postcode;
        const char* plaats;
    } gevallen[] = {
        {"Janssen & Zonen\r\nVoorbeeldstraat 52\r\n1234 AA, Amsterdam", "Janssen & Zonen", "Voorbeeldstraat 52",
         "1234 AA", "Amsterdam"},
        {"Bakkerij\r\nt.a.v. J. de Vries\r\nDorpsstraat 12\r\n8011cw zwolle", "Bakkerij", "Dorpsstraat 12", "8011 CW",
         "zwolle"},
        {"Klant\r\n1234AB Ede", "Klant", "", "1234 AB", "Ede"},
        {"Firma\r\nRue Neuve 1\r\n1000 Bruxelles", "Firma", "", "", ""},   // no Dutch postcode: nothing guessed
        {"", "", "", "", ""},
    };
    for (const auto& g : gevallen) {
        const Klantgegevens k = KlantUitAdres(QString::fromUtf8(g.adres));
        EXPECT_EQ(k.Naam, g.naam) << g.adres;
        EXPECT_EQ(k.Straat, g.straat) << g.adres;
        EXPECT_EQ(k.Postcode, g.postcode) << g.adres;
        EXPECT_EQ(k.Plaats, g.plaats) << g.adres;
        EXPECT_EQ(k.Land, "NL") << g.adres;
    }
}

TEST(Klant, RememberedPerCustomerBesideTheUntouchedAddressBook)
{
    EfactuurOpstelling e;
    e.map.write("Adressen/Janssen.adr", "Averno Software 2011\r\n---\r\nJanssen & Zonen");
    const QByteArray adres = e.map.read("Adressen/Janssen.adr");
    Klantgegevens k = KlantVoorstel(e.f, e.map.path()).gegevens;
    EXPECT_EQ(k.Referentie, "2026-017");   // the invoice number when nothing is known
    k.Land = QStringLiteral("be");
    k.BtwNummer = QStringLiteral("be 0123.456.749");
    k.Id = KlantId::Btw;
    e.f.BtwProcent = 0;
    e.f.Nultarief = NulTarief::Intracommunautair;
    e.antwoord = k;
    ASSERT_FALSE(e.Exporteer(QStringLiteral("a")).isEmpty()) << e.LaatsteMelding().toStdString();

    const QByteArray bestand = e.map.read("Adressen/Janssen & Zonen.klant");
    EXPECT_TRUE(bestand.startsWith("\"Quillet klantgegevens 2\"\r\n\"Janssen & Zonen\"\r\n\"Naam\",\"Janssen & Zonen\"\r\n"))
        << bestand.toStdString();
    EXPECT_TRUE(bestand.contains("\r\n\"Btw-nummer\",\"BE0123456749\"\r\n")) << bestand.toStdString();
    EXPECT_EQ(e.map.read("Adressen/Janssen.adr"), adres);
    EXPECT_EQ(platform::BestandenLijst(e.map.file("Adressen"), "*.adr"), QStringList{"Janssen.adr"});

    // The next invoice to this customer proposes what was confirmed, with its own number.
    e.f.FactuurNummer = QStringLiteral("2026-018");
    const auto onthouden = OnthoudenKlant(e.map.path(), QStringLiteral("Janssen & Zonen"));
    ASSERT_TRUE(onthouden.has_value());
    EXPECT_TRUE(onthouden->onbruikbaar.isEmpty());
    const Klantgegevens volgende = KlantVoorstel(e.f, e.map.path()).gegevens;
    EXPECT_EQ(volgende.Land, "BE");
    EXPECT_EQ(volgende.Id, KlantId::Btw);
    EXPECT_EQ(volgende.Referentie, "2026-018");

    // A file of another address with the same file name, or a broken one, is not used.
    e.map.write("Adressen/Janssen & Zonen.klant", bestand.left(40));
    EXPECT_FALSE(OnthoudenKlant(e.map.path(), QStringLiteral("Janssen & Zonen")).has_value());
    EXPECT_FALSE(LeesKlant(bestand, QStringLiteral("Janssen en Zonen")).has_value());
    EXPECT_EQ(KlantBestandsnaam(QStringLiteral("A/B: \"C\"?..")), "A_B_ _C__.klant");
}

TEST(Klant, FilesOfTheFirstFormAndUnusableFieldsAreRead)
{
    // The first form: the fields in a fixed order, then a 0 % case, which the invoice holds itself.
    const QByteArray eerste("\"Quillet klantgegevens\"\r\n\"Bakkerij\"\r\n\"Bakkerij\"\r\n\"Dorpsstraat 12\"\r\n"
                            "\"8011 CW\"\r\n\"Zwolle\"\r\n\"NL\"\r\n\"PO-7\"\r\n\"NL987654321B01\"\r\n"
                            "\"inkoop@bakkerij.nl\"\r\n\"AE\"\r\n\"\"\r\n");
    const auto gelezen = LeesKlant(eerste, QStringLiteral("Bakkerij"));
    ASSERT_TRUE(gelezen.has_value());
    EXPECT_EQ(gelezen->gegevens.Referentie, "PO-7");
    EXPECT_EQ(gelezen->gegevens.Email, "inkoop@bakkerij.nl");
    EXPECT_TRUE(gelezen->onbruikbaar.isEmpty());

    // A choice no program wrote keeps its default and is named; the rest is read.
    Klantgegevens k;
    k.Naam = QStringLiteral("Bakkerij");
    k.Referentie = QStringLiteral("PO-7");
    QByteArray vreemd = KlantBytes(QStringLiteral("Bakkerij"), k);
    vreemd.replace("\"Peppol-adres\",\"\"", "\"Peppol-adres\",\"9999\"");
    const auto deels = LeesKlant(vreemd, QStringLiteral("Bakkerij"));
    ASSERT_TRUE(deels.has_value());
    EXPECT_EQ(deels->gegevens.Referentie, "PO-7");
    EXPECT_EQ(deels->onbruikbaar, QStringList{"Peppol-adres"});
}

TEST(Klant, NeverWritesOverAnotherCustomersFile)
{
    TempProgramFolder map;
    struct {
        const char* eerste;
        const char* tweede;
    } paren[] = {{"A/B", "A_B"}, {"Janssen", "JANSSEN"}, {"Café?", "Café*"}};
    for (const auto& p : paren) {
        Klantgegevens a, b;
        a.Referentie = QStringLiteral("van ") + p.eerste;
        b.Referentie = QStringLiteral("van ") + p.tweede;
        ASSERT_TRUE(OnthoudKlant(map.path(), p.eerste, a));
        ASSERT_TRUE(OnthoudKlant(map.path(), p.tweede, b));
        ASSERT_TRUE(OnthoudKlant(map.path(), p.eerste, a));   // a second time finds its own file again
        EXPECT_EQ(OnthoudenKlant(map.path(), p.eerste).value().gegevens.Referentie, a.Referentie) << p.eerste;
        EXPECT_EQ(OnthoudenKlant(map.path(), p.tweede).value().gegevens.Referentie, b.Referentie) << p.tweede;
    }
    EXPECT_EQ(QDir(map.file("Adressen")).entryList(QDir::Files | QDir::Hidden).size(), 6);
    // A name is cut between characters, never inside one.
    const QString lang = QString(149, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(KlantBestandsnaam(lang), QString(149, QLatin1Char('a')) + ".klant");
}

TEST(Klant, WhatTheInvoicesZeroRateCaseNeedsOfTheBuyer)
{
    Klantgegevens k;
    k.Naam = QStringLiteral("Klant");
    k.Referentie = QStringLiteral("PO-1");
    Factuur f;
    f.BtwProcent = 0;
    const char* kAnderEuLand = "'Intracommunautaire levering' vraagt een klant in een ander EU-land dan NL.";
    struct {
        NulTarief keuze;
        const char* land;
        const char* btw;
        const char* melding;   // empty: accepted
    } gevallen[] = {
        {NulTarief::NulProcent, "NL", "", ""},
        {NulTarief::Vrijgesteld, "NL", "", ""},
        {NulTarief::Verlegd, "NL", "", "'Btw verlegd' vraagt het btw-nummer van de klant."},
        {NulTarief::Verlegd, "NL", "NL123456789B01", ""},
        {NulTarief::Intracommunautair, "BE", "", "'Intracommunautaire levering' vraagt het btw-nummer van de klant."},
        {NulTarief::Intracommunautair, "NL", "NL123456789B01", kAnderEuLand},
        {NulTarief::Intracommunautair, "CH", "CHE123456789MWST", kAnderEuLand},
        {NulTarief::Intracommunautair, "BE", "BE0123456749", ""},
        {NulTarief::NulProcent, "N", "", "Vul bij Land de landcode van de klant in: twee letters, zoals NL of BE."},
        {NulTarief::NulProcent, "NL", "123456789B01",
         "Het btw-nummer van de klant '123456789B01' begint niet met de landcode of heeft niet de vorm van dat land."},
    };
    for (const auto& g : gevallen) {
        f.Nultarief = g.keuze;
        k.Land = g.land;
        k.BtwNummer = g.btw;
        EXPECT_EQ(FoutInKlant(k, f).value_or(QString()), QString::fromUtf8(g.melding)) << g.land << g.btw;
    }
    f.BtwProcent = 21;   // the standard rate asks nothing of the buyer's btw-nummer
    f.Nultarief = NulTarief::Verlegd;
    k.BtwNummer.clear();
    EXPECT_EQ(FoutInKlant(k, f), std::nullopt);
    k.Naam.clear();
    EXPECT_EQ(FoutInKlant(k, f), QStringLiteral("Vul de naam van de klant in."));
}

TEST(Klant, TheNetworkAddressIsCheckedForItsKindAndProfile)
{
    Klantgegevens k = KlantUitAdres(QStringLiteral("Klant\r\nDorpsstraat 12\r\n8011 CW Zwolle"));
    k.Referentie = QStringLiteral("PO-1");
    struct {
        KlantId id;
        const char* nummer;
        const char* land;
        const char* btw;
        const char* melding;   // empty: accepted
    } gevallen[] = {
        {KlantId::Kvk, "87654321", "NL", "", ""},
        {KlantId::Kvk, "8765432", "NL", "", "Vul bij 'Nummer' het KvK-nummer van de klant in: 8 cijfers."},
        {KlantId::Oin, "00000001003214345000", "NL", "", ""},
        {KlantId::Oin, "87654321", "NL", "", "Vul bij 'Nummer' het OIN van de klant in: 20 cijfers."},
        {KlantId::Gln, "8712345678906", "NL", "", ""},
        {KlantId::Gln, "8712345678907", "NL", "",
         "Vul bij 'Nummer' het GLN van de klant in: 13 cijfers, het laatste is het controlecijfer."},
        {KlantId::Btw, "", "BE", "BE0123456749", ""},
        {KlantId::Btw, "", "NL", "", "Vul het btw-nummer van de klant in: het is het Peppol-adres dat u koos."},
        {KlantId::Btw, "", "FI", "FI12345678",
         "Het Peppol-netwerk kent geen btw-nummers uit FI als adres. Kies een KvK-nummer, OIN of GLN, of 'Geen'."},
        {KlantId::Geen, "", "BE", "DE123456789",
         "Het btw-nummer van de klant 'DE123456789' begint niet met de landcode of heeft niet de vorm van dat land."},
    };
    for (const auto& g : gevallen) {
        k.Id = g.id;
        k.IdNummer = g.nummer;
        k.Land = g.land;
        k.BtwNummer = g.btw;
        EXPECT_EQ(FoutInKlant(k, Factuur{}).value_or(QString()), QString::fromUtf8(g.melding)) << g.nummer << g.btw;
    }
    // SI-UBL knows a Dutch buyer by its KvK-nummer or OIN only.
    k.Land = QStringLiteral("NL");
    k.BtwNummer.clear();
    k.Id = KlantId::Gln;
    k.IdNummer = QStringLiteral("8712345678906");
    k.Profiel = Profielkeuze::SiUbl;
    EXPECT_EQ(FoutInKlant(k, Factuur{}),
              QStringLiteral("SI-UBL 2.0 vraagt bij een klant in Nederland het KvK-nummer of het OIN als Peppol-adres."));
    // A receiver in the Netherlands asks the buyer's whole address; mail needs none of it.
    k.Id = KlantId::Kvk;
    k.IdNummer = QStringLiteral("87654321");
    k.Straat.clear();
    EXPECT_EQ(FoutInKlant(k, Factuur{}), QStringLiteral("Vul straat en huisnummer, postcode en plaats van de klant in: "
                                                        "een ontvanger in Nederland vraagt ze."));
    k.Id = KlantId::Geen;
    EXPECT_EQ(FoutInKlant(k, Factuur{}), std::nullopt);
}
