#include "efactuur_fixture.h"

#include "invoice/algemeen.h"
#include "einvoice/leverdatum.h"
#include "invoice/regels_totalen.h"
#include "output/factuur_naar_pdf.h"
#include "platform/amount.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(Efactuur, CarriesTheVeryPdfOfNaarPdfFormaat)
{
    EfactuurOpstelling e;
    // What marks the page's place in other writers, typed by a user, is only text here.
    Klantgegevens k = KlantVoorstel(e.f, e.map.path()).gegevens;
    k.Referentie = QStringLiteral("@@QUILLET-PDF@@");
    e.antwoord = k;
    // The page takes the name typed, also when it replaces a file that differs in letter case.
    QDir(e.map.path()).mkpath(QStringLiteral("Efactuur"));
    e.map.write(QStringLiteral("Efactuur/PROEF.xml"), "oud");
    e.prompts.antwoorden.push_back(true);
    const std::time_t moment = 1'797'000'000;
    e.Exporteer(QStringLiteral("Proef"), moment);
    const QByteArray xml = e.map.read(QStringLiteral("Efactuur/PROEF.xml"));
    ASSERT_NE(xml, "oud") << e.LaatsteMelding().toStdString();
    const QByteArray ingebed = QByteArray::fromBase64(Element(xml, "cbc:EmbeddedDocumentBinaryObject").toLatin1());

    const QString pdf = e.map.file("Proef.pdf");
    ASSERT_TRUE(FactuurNaarPdf(e.f, pdf, QStringLiteral("Proef"), e.b, moment));
    EXPECT_EQ(ingebed, e.map.read("Proef.pdf"));
    EXPECT_TRUE(xml.contains("mimeCode=\"application/pdf\" filename=\"Proef.pdf\""));

    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
    ASSERT_TRUE(qpdf.waitForFinished(30000));
    EXPECT_EQ(qpdf.exitCode(), 0) << qpdf.readAllStandardOutput().toStdString();
    EXPECT_EQ(Element(xml, "cbc:BuyerReference"), "@@QUILLET-PDF@@");
    // A buyer without a network address gets the standard alone, and is told what it is for.
    EXPECT_EQ(e.LaatsteMelding(), "De e-factuur staat in " + e.map.file("Efactuur/PROEF.xml")
                                      + ".\r\n\r\nDeze klant heeft geen Peppol-adres, dus dit bestand is een e-factuur "
                                        "volgens de Europese norm om per e-mail te sturen, niet voor het Peppol-netwerk. "
                                        "Kies in 'Klantgegevens' bij 'Peppol-adres' het KvK-nummer, OIN, btw-nummer of "
                                        "GLN van de klant om de e-factuur via Peppol te kunnen versturen.");
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

TEST(Efactuur, ACreditNoteStatesWhatItCreditsAsTheInvoiceStatedIt)
{
    const std::vector<std::vector<const char*>> gevallen = {
        {"450,00", "129,95"},
        {"-20,00", "100"},   // a discount stays one
        {"10,005", "0,125", "33,335", "1,999", "2,5"},
    };
    const auto tegengesteld = [](const QString& p) { return p.startsWith('-') ? p.mid(1) : '-' + p; };
    for (const auto& prijzen : gevallen) {
        EfactuurOpstelling factuur, credit;
        for (int i = 0; i < Factuur::kRegels; ++i) {
            factuur.ZetRegel(i, "", QString(), "");
            credit.ZetRegel(i, "", QString(), "");
        }
        for (std::size_t i = 0; i < prijzen.size(); ++i) {
            factuur.ZetRegel(int(i), "", QStringLiteral("Regel"), prijzen[i]);
            credit.f.Omschrijving[i] = QStringLiteral("Regel");
            credit.f.Prijs[i] = tegengesteld(QString::fromLatin1(prijzen[i]));
        }
        credit.f.FactuurNummer = QStringLiteral("2026-018");
        credit.f.BetreftNummer = QStringLiteral("2026-017");
        credit.f.BetreftDatum = QStringLiteral("05-12-2026");
        const QByteArray f = factuur.Exporteer(QStringLiteral("f"));
        const QByteArray c = credit.Exporteer(QStringLiteral("c"));
        ASSERT_FALSE(c.isEmpty()) << credit.LaatsteMelding().toStdString();
        for (const char* bedrag : {"cbc:LineExtensionAmount", "cbc:TaxExclusiveAmount", "cbc:TaxAmount",
                                   "cbc:PayableAmount", "cbc:PriceAmount"})
            EXPECT_EQ(Element(c, bedrag), Element(f, bedrag)) << bedrag << " of " << prijzen[0];
        EXPECT_EQ(c.count("<cbc:CreditedQuantity unitCode=\"C62\">-1<"),
                  f.count("<cbc:InvoicedQuantity unitCode=\"C62\">-1<"));
        EXPECT_TRUE(c.contains("<CreditNote xmlns=\"urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2\""));
        EXPECT_EQ(Element(c, "cbc:CreditNoteTypeCode"), "381");
        EXPECT_TRUE(c.contains("<cac:BillingReference>\n        <cac:InvoiceDocumentReference>\n"
                               "            <cbc:ID>2026-017</cbc:ID>\n"
                               "            <cbc:IssueDate>2026-12-05</cbc:IssueDate>"))
            << c.left(3000).toStdString();
        // The money goes to the customer: no due date, no account to pay into.
        EXPECT_FALSE(c.contains("DueDate"));
        EXPECT_FALSE(c.contains("PaymentMeans"));
        EXPECT_FALSE(c.contains("InvoiceLine") || c.contains("InvoicedQuantity") || c.contains("InvoiceTypeCode"));
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
        {"credit note that asks money",
         [](EfactuurOpstelling& e) { e.f.BetreftNummer = QStringLiteral("2026-009"); },
         "Het totaal van deze creditnota is positief; een creditnota als e-factuur kan alleen een bedrag "
         "terugbetalen."},
    };
    for (const auto& g : gevallen) {
        EfactuurOpstelling e;
        g.maak(e);
        EXPECT_TRUE(e.Exporteer(QStringLiteral("x")).isEmpty()) << g.wat;
        EXPECT_EQ(e.LaatsteMelding(), QString::fromUtf8(g.melding)) << g.wat;
        EXPECT_TRUE(e.voorgesteld.empty()) << g.wat << ": the buyer was asked for in vain";
        EXPECT_FALSE(QFile::exists(e.map.file("Adressen/Janssen & Zonen.klant"))) << g.wat;
    }
    // What the network asks of the seller is told once the buyer is known, who is remembered all the same.
    const QString perEmail = QStringLiteral(" Zonder kan het alleen als e-factuur per e-mail: kies dan bij "
                                            "'Peppol-adres' 'Geen'.");
    struct {
        std::function<void(Bedrijfsgegevens&)> maak;
        Profielkeuze profiel;
        QString melding;
    } netwerk[] = {
        {[](Bedrijfsgegevens& b) { b.Iban.clear(); }, Profielkeuze::Peppol,
         "Vul eerst het IBAN in onder 'Instellingen' / 'Bedrijfsgegevens': een e-factuur voor het Peppol-netwerk "
         "zegt hoe de klant betaalt." + perEmail},
        {[](Bedrijfsgegevens& b) { b.Plaats.clear(); }, Profielkeuze::Peppol,
         "Vul eerst straat, postcode en plaats van uw bedrijf in onder 'Instellingen' / 'Bedrijfsgegevens': een "
         "e-factuur voor het Peppol-netwerk noemt ze." + perEmail},
        {[](Bedrijfsgegevens& b) { b.KvkNummer.clear(); }, Profielkeuze::SiUbl,
         "Vul eerst het KvK-nummer in onder 'Instellingen' / 'Bedrijfsgegevens': SI-UBL 2.0 noemt het KvK-nummer "
         "van de verkoper." + perEmail},
    };
    for (const auto& n : netwerk) {
        EfactuurOpstelling p;
        n.maak(p.f.Bedrijf);
        Klantgegevens k = KlantVoorstel(p.f, p.map.path()).gegevens;
        k.Id = KlantId::Kvk;
        k.IdNummer = QStringLiteral("87654321");
        k.Profiel = n.profiel;
        p.antwoord = k;
        EXPECT_TRUE(p.Exporteer(QStringLiteral("x")).isEmpty()) << n.melding.toStdString();
        EXPECT_EQ(p.LaatsteMelding(), n.melding);
        EXPECT_TRUE(QFile::exists(p.map.file("Adressen/Janssen & Zonen.klant")));
    }

    // Cancel in "Klantgegevens" writes nothing at all.
    EfactuurOpstelling e;
    e.geannuleerd = true;
    EXPECT_TRUE(e.Exporteer(QStringLiteral("x")).isEmpty());
    EXPECT_TRUE(QDir(e.map.file("Efactuur")).isEmpty());
}

TEST(Efactuur, TheVatCaseIsTheInvoicesAndTypedTextsArriveWhole)
{
    struct {
        NulTarief geval;
        const char* reden;
        const char* categorie;
        const char* tekst;   // the exemption reason written
    } gevallen[] = {
        {NulTarief::NulProcent, "", "Z", ""},
        {NulTarief::Vrijgesteld, "Kleineondernemersregeling", "E", "Kleineondernemersregeling"},
        {NulTarief::Vrijgesteld, "", "E", "Vrijgesteld van btw"},   // as the page says it
        {NulTarief::Verlegd, "", "AE", "Btw verlegd"},
    };
    for (const auto& g : gevallen) {
        EfactuurOpstelling e;
        e.f.BtwProcent = 0;
        e.f.Nultarief = g.geval;
        e.f.RedenVrijstelling = QString::fromUtf8(g.reden);
        Klantgegevens k = KlantVoorstel(e.f, e.map.path()).gegevens;
        k.BtwNummer = QStringLiteral("NL987654321B01");
        // A character outside the basic plane is whole in its pair; a lone half is no character.
        k.Naam = QStringLiteral("Caf") + QString::fromUtf8("\xE2\x98\x95 \xF0\x9F\x98\x80") + QChar(0xD800) + "!";
        e.antwoord = k;
        const QByteArray xml = e.Exporteer(QStringLiteral("t"));
        ASSERT_FALSE(xml.isEmpty()) << e.LaatsteMelding().toStdString();
        const QString tekst = QString::fromUtf8(xml);
        EXPECT_TRUE(tekst.contains("<cac:TaxCategory>\n                <cbc:ID>" + QString::fromLatin1(g.categorie) + "</cbc:ID>"))
            << g.categorie;
        EXPECT_EQ(Element(xml, "cbc:TaxExemptionReason"), QString::fromUtf8(g.tekst)) << g.categorie;
        EXPECT_EQ(Element(xml.mid(xml.indexOf("AccountingCustomerParty")), "cbc:RegistrationName"),
                  QString::fromUtf8("Caf\xE2\x98\x95 \xF0\x9F\x98\x80!"));
    }
}

TEST(Efactuur, TheSupplyDateComesFromTheLinesOrIsAsked)
{
    struct {
        const char* factuurdatum;
        std::vector<const char*> datums;
        const char* levering;   // empty: none from the lines
    } gevallen[] = {
        {"05-12-2026", {"28-11", "30-11"}, "2026-11-30"},
        {"05-01-2027", {"28-12", "02-01"}, "2027-01-02"},      // December was last year
        {"05-12-2026", {"3.12.26", "1/12/2026"}, "2026-12-03"},
        {"05-12-2026", {"15-12"}, "2025-12-15"},                // after the invoice date: the year before
        {"05-12-2026", {"28-11-2024", "31-02", "Uur", "2"}, ""},
    };
    for (const auto& g : gevallen) {
        Factuur f;
        f.FactuurDatum = QString::fromLatin1(g.factuurdatum);
        for (std::size_t i = 0; i < g.datums.size(); ++i) {
            f.Aantal[i] = QString::fromLatin1(g.datums[i]);
            f.Omschrijving[i] = QStringLiteral("Levering");
        }
        const auto levering = LeverdatumUitRegels(f);
        EXPECT_EQ(levering ? levering->toString(Qt::ISODate) : QString(), QString::fromLatin1(g.levering))
            << g.factuurdatum << " " << g.datums[0];
    }

    // An intra-community supply without a dated line: the date is asked, and Cancel writes nothing.
    for (const std::optional<QString>& antwoord : {std::optional<QString>("30-11-2026"), std::optional<QString>()}) {
        EfactuurOpstelling e;
        e.ZetRegel(0, "", QStringLiteral("Machine"), "450,00");
        e.ZetRegel(1, "", QStringLiteral("Onderdelen"), "129,95");
        e.f.BtwProcent = 0;
        e.f.Nultarief = NulTarief::Intracommunautair;
        Klantgegevens k = KlantVoorstel(e.f, e.map.path()).gegevens;
        k.Land = QStringLiteral("BE");
        k.BtwNummer = QStringLiteral("BE0123456749");
        e.antwoord = k;
        e.prompts.invoer.push_back(antwoord);
        const QByteArray xml = e.Exporteer(QStringLiteral("ic"));
        EXPECT_EQ(Element(xml, "cbc:ActualDeliveryDate"), antwoord ? "2026-11-30" : "");
        EXPECT_EQ(xml.isEmpty(), !antwoord);
    }
}
