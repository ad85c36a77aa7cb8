#include "ui/dialogs/klantgegevens_form.h"

#include "../ui/hoofdvenster.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(KlantgegevensForm, OkStaysOpenUntilTheChosenCaseHasWhatItNeeds)
{
    Venster v;
    v.factuur.BtwProcent = 0;
    Klantgegevens voorstel = KlantUitAdres(QStringLiteral("Janssen & Zonen\r\nVoorbeeldstraat 52\r\n1234 AA, Amsterdam"));
    voorstel.Referentie = QStringLiteral("001");
    KlantgegevensForm d(*v.main, v.factuur, voorstel, v.prompts);
    EXPECT_EQ(d.windowTitle(), "Klantgegevens");
    EXPECT_EQ(d.Tekstvak("Naam")->text(), "Janssen & Zonen");
    EXPECT_EQ(d.Tekstvak("Postcode")->text(), "1234 AA");
    EXPECT_TRUE(d.Keuzevak("Btw 0 %")->isEnabled());
    EXPECT_FALSE(d.Tekstvak("Nummer")->isEnabled());   // no network address chosen: no number

    d.Keuzevak("Btw 0 %")->setCurrentIndex(2);   // Btw verlegd, without the buyer's btw-nummer
    d.show();
    d.OkKnop_Click();
    ASSERT_EQ(v.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(v.prompts.gevraagd[0].tekst, "'Btw verlegd' vraagt het btw-nummer van de klant.");
    EXPECT_TRUE(d.isVisible());

    d.Tekstvak("Btw-nummer")->setText(QStringLiteral(" nl987654321b01 "));
    d.Tekstvak("Land")->setText(QStringLiteral("nl"));
    d.Keuzevak("Peppol-adres")->setCurrentIndex(1);   // KvK-nummer
    EXPECT_TRUE(d.Tekstvak("Nummer")->isEnabled());
    d.Tekstvak("Nummer")->setText(QStringLiteral("8765 4321"));
    d.OkKnop_Click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const Klantgegevens k = d.Gegevens();
    EXPECT_EQ(k.Nultarief, NulTarief::Verlegd);
    EXPECT_EQ(k.BtwNummer, "NL987654321B01");
    EXPECT_EQ(k.Land, "NL");
    EXPECT_EQ(k.Id, KlantId::Kvk);
    EXPECT_EQ(k.IdNummer, "87654321");

    v.factuur.BtwProcent = 21;   // above 0 % there is nothing to choose
    KlantgegevensForm d21(*v.main, v.factuur, k, v.prompts);
    EXPECT_FALSE(d21.Keuzevak("Btw 0 %")->isEnabled());
    EXPECT_EQ(d21.Keuzevak("Peppol-adres")->currentIndex(), 1);   // the remembered choice is shown
}
