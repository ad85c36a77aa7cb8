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
    EXPECT_EQ(d.Invoer[0]->text(), "Janssen & Zonen");
    EXPECT_EQ(d.Invoer[2]->text(), "1234 AA");
    EXPECT_TRUE(d.Combo1->isEnabled());

    d.Combo1->setCurrentIndex(2);   // Btw verlegd, without the buyer's btw-nummer
    d.show();
    d.OkKnop_Click();
    ASSERT_EQ(v.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(v.prompts.gevraagd[0].tekst, "'Btw verlegd' vraagt het btw-nummer van de klant.");
    EXPECT_TRUE(d.isVisible());

    d.Invoer[6]->setText(QStringLiteral(" NL987654321B01 "));
    d.Invoer[4]->setText(QStringLiteral("nl"));
    d.OkKnop_Click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const Klantgegevens k = d.Gegevens();
    EXPECT_EQ(k.Nultarief, NulTarief::Verlegd);
    EXPECT_EQ(k.BtwNummer, "NL987654321B01");
    EXPECT_EQ(k.Land, "NL");

    v.factuur.BtwProcent = 21;   // above 0 % there is nothing to choose
    KlantgegevensForm d21(*v.main, v.factuur, voorstel, v.prompts);
    EXPECT_FALSE(d21.Combo1->isEnabled());
}
