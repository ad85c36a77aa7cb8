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
    Klantgegevens k = KlantVoorstel(e.f, e.map.path());
    EXPECT_EQ(k.Referentie, "2026-017");   // the invoice number when nothing is known
    k.Land = QStringLiteral("BE");
    k.BtwNummer = QStringLiteral("BE0123456749");
    k.Nultarief = NulTarief::Intracommunautair;
    e.antwoord = k;
    ASSERT_FALSE(e.Exporteer(QStringLiteral("a")).isEmpty());

    const QByteArray bestand = e.map.read("Adressen/Janssen & Zonen.klant");
    EXPECT_EQ(bestand, QByteArray("\"Quillet klantgegevens\"\r\n\"Janssen & Zonen\"\r\n\"Janssen & Zonen\"\r\n"
                                  "\"Voorbeeldstraat 52\"\r\n\"1234 AA\"\r\n\"Amsterdam\"\r\n\"BE\"\r\n\"\"\r\n"
                                  "\"BE0123456749\"\r\n\"\"\r\n\"K\"\r\n\"\"\r\n"));
    EXPECT_EQ(e.map.read("Adressen/Janssen.adr"), adres);
    EXPECT_EQ(platform::BestandenLijst(e.map.file("Adressen"), "*.adr"), QStringList{"Janssen.adr"});

    // The next invoice to this customer proposes what was confirmed, with its own number.
    e.f.FactuurNummer = QStringLiteral("2026-018");
    const Klantgegevens volgende = KlantVoorstel(e.f, e.map.path());
    EXPECT_EQ(volgende.Land, "BE");
    EXPECT_EQ(volgende.Nultarief, NulTarief::Intracommunautair);
    EXPECT_EQ(volgende.Referentie, "2026-018");

    // A file of another address with the same file name, or a broken one, is not used.
    e.map.write("Adressen/Janssen & Zonen.klant", bestand.left(40));
    EXPECT_EQ(KlantVoorstel(e.f, e.map.path()).Land, "NL");
    EXPECT_FALSE(LeesKlant(bestand, QStringLiteral("Janssen en Zonen")).has_value());
    EXPECT_EQ(KlantBestandsnaam(QStringLiteral("A/B: \"C\"?..")), "A_B_ _C__.klant");
}

TEST(Klant, WhatEachZeroRateCaseNeeds)
{
    Klantgegevens k;
    k.Naam = QStringLiteral("Klant");
    k.Referentie = QStringLiteral("PO-1");
    struct {
        NulTarief keuze;
        const char* land;
        const char* btw;
        const char* reden;
        const char* melding;   // empty: accepted
    } gevallen[] = {
        {NulTarief::NulProcent, "NL", "", "", ""},
        {NulTarief::Vrijgesteld, "NL", "", "", "Vul bij 'Vrijgesteld / KOR' de reden van de vrijstelling in."},
        {NulTarief::Vrijgesteld, "NL", "", "KOR", ""},
        {NulTarief::Verlegd, "NL", "", "", "'Btw verlegd' vraagt het btw-nummer van de klant."},
        {NulTarief::Verlegd, "NL", "NL123456789B01", "", ""},
        {NulTarief::Intracommunautair, "BE", "", "", "'Intracommunautaire levering' vraagt het btw-nummer van de klant."},
        {NulTarief::Intracommunautair, "NL", "NL123456789B01", "",
         "'Intracommunautaire levering' vraagt een klant in een ander land dan NL."},
        {NulTarief::Intracommunautair, "BE", "BE0123456749", "", ""},
        {NulTarief::NulProcent, "N", "", "", "Vul bij Land de landcode van de klant in: twee letters, zoals NL of BE."},
        {NulTarief::NulProcent, "NL", "123456789B01", "",
         "Het btw-nummer van de klant '123456789B01' begint niet met de landcode of heeft niet de vorm van dat land."},
    };
    for (const auto& g : gevallen) {
        k.Nultarief = g.keuze;
        k.Land = g.land;
        k.BtwNummer = g.btw;
        k.RedenVrijstelling = g.reden;
        EXPECT_EQ(FoutInKlant(k, 0).value_or(QString()), QString::fromUtf8(g.melding)) << g.melding;
    }
    k.Naam.clear();
    EXPECT_EQ(FoutInKlant(k, 21), QStringLiteral("Vul de naam van de klant in."));
}
