#include "ui/dialogs/klantgegevens_form.h"

#include "../ui/hoofdvenster.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(KlantgegevensForm, OkStaysOpenUntilTheInvoicesCaseHasWhatItNeeds)
{
    Venster v;
    v.factuur.BtwProcent = 0;
    v.factuur.Nultarief = NulTarief::Verlegd;   // chosen with the invoice, not asked again here
    Klantgegevens voorstel = KlantUitAdres(QStringLiteral("Janssen & Zonen\r\nVoorbeeldstraat 52\r\n1234 AA, Amsterdam"));
    voorstel.Referentie = QStringLiteral("001");
    KlantgegevensForm d(*v.main, v.factuur, voorstel, v.prompts);
    EXPECT_EQ(d.windowTitle(), "Klantgegevens");
    EXPECT_EQ(d.Tekstvak("Naam")->text(), "Janssen & Zonen");
    EXPECT_EQ(d.Tekstvak("Postcode")->text(), "1234 AA");
    EXPECT_EQ(d.Keuzevak("Btw 0 %"), nullptr);
    EXPECT_FALSE(d.Tekstvak("Nummer")->isEnabled());   // no network address chosen: no number, no profile
    EXPECT_FALSE(d.Keuzevak("Profiel")->isEnabled());

    d.show();
    d.OkKnop_Click();
    ASSERT_EQ(v.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(v.prompts.gevraagd[0].tekst, "'Btw verlegd' vraagt het btw-nummer van de klant.");
    EXPECT_TRUE(d.isVisible());

    d.Tekstvak("Btw-nummer")->setText(QStringLiteral(" nl987654321b01 "));
    d.Tekstvak("Land")->setText(QStringLiteral("nl"));
    d.Keuzevak("Peppol-adres")->setCurrentIndex(1);   // KvK-nummer
    EXPECT_TRUE(d.Tekstvak("Nummer")->isEnabled());
    EXPECT_TRUE(d.Keuzevak("Profiel")->isEnabled());
    d.Tekstvak("Nummer")->setText(QStringLiteral("8765 4321"));
    d.OkKnop_Click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const Klantgegevens k = d.Gegevens();
    EXPECT_EQ(k.BtwNummer, "NL987654321B01");
    EXPECT_EQ(k.Land, "NL");
    EXPECT_EQ(k.Id, KlantId::Kvk);
    EXPECT_EQ(k.IdNummer, "87654321");

    KlantgegevensForm opnieuw(*v.main, v.factuur, k, v.prompts);
    EXPECT_EQ(opnieuw.Keuzevak("Peppol-adres")->currentIndex(), 1);   // the remembered choice is shown
}
