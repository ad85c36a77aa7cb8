#include "invoice/company_file.h"
#include "ui/dialogs/bedrijf_form.h"

#include "ui/hoofdvenster.h"

#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct Opstelling : Venster {
    std::unique_ptr<BedrijfForm> dialoog = Nieuw();
    std::unique_ptr<BedrijfForm> Nieuw()
    {
        return std::make_unique<BedrijfForm>(*main, factuur, prompts, map.path());
    }
    void Vul(BedrijfForm::Veld veld, const QString& tekst) { dialoog->Text[veld]->setText(tekst); }
};

}  // namespace

TEST(BedrijfForm, NothingStoredProposesTheSendersFirstLineOnly)
{
    Opstelling o;
    EXPECT_EQ(o.dialoog->Text[BedrijfForm::Naam]->text(), "Korpela B.V.");
    EXPECT_EQ(o.dialoog->Text[BedrijfForm::Land]->text(), "NL");
    EXPECT_EQ(o.dialoog->Text[BedrijfForm::Termijn]->text(), "30");
    EXPECT_EQ(o.dialoog->Text[BedrijfForm::Iban]->text(), "");
    EXPECT_FALSE(o.dialoog->BetaalQrCheck->isChecked());
}

TEST(BedrijfForm, AWrongFieldIsNamedAndNothingReachesTheDisk)
{
    struct {
        BedrijfForm::Veld veld;
        const char* tekst;
        const char* melding;
    } cases[] = {
        {BedrijfForm::Iban, "NL91 ABNA 0417 1643 01", "IBAN:"},
        {BedrijfForm::Btw, "NL123456789", "Btw-nummer:"},
        {BedrijfForm::Kvk, "1234", "KvK-nummer:"},
        {BedrijfForm::Termijn, "dertig", "Betaaltermijn:"},
    };
    for (const auto& c : cases) {
        Opstelling o;
        o.Vul(c.veld, c.tekst);
        o.dialoog->OkKnop_Click();
        ASSERT_EQ(o.prompts.gevraagd.size(), 1u) << c.tekst;
        EXPECT_EQ(o.prompts.gevraagd[0].titel, " Bedrijfsgegevens");
        EXPECT_TRUE(o.prompts.gevraagd[0].tekst.startsWith(c.melding)) << o.prompts.gevraagd[0].tekst.toStdString();
        EXPECT_FALSE(QFile::exists(o.map.file(kBedrijfBestand)));
        EXPECT_EQ(o.dialoog->result(), 0);   // still open
        EXPECT_TRUE(o.factuur.Bedrijf.Iban.isEmpty());
    }
}

TEST(BedrijfForm, OkStoresNormalisedAndThePageShowsTheCode)
{
    Opstelling o;
    o.factuur.TotaalInclBtw = platform::Val("1279.33");
    o.Vul(BedrijfForm::Iban, "nl91 abna 0417 1643 00");
    o.Vul(BedrijfForm::Bic, "abnanl2a");
    o.dialoog->BetaalQrCheck->setChecked(true);
    EXPECT_FALSE(o.main->Pic->BetaalQrLabel->isVisibleTo(o.main->Pic));
    o.dialoog->OkKnop_Click();
    EXPECT_TRUE(o.prompts.gevraagd.empty());
    EXPECT_EQ(o.dialoog->result(), QDialog::Accepted);
    EXPECT_EQ(o.factuur.Bedrijf.Iban, "NL91ABNA0417164300");
    const auto gelezen = LeesBedrijfsgegevens(o.map.file(kBedrijfBestand));
    ASSERT_TRUE(gelezen);
    const Bedrijfsgegevens& bewaard = gelezen->gegevens;
    EXPECT_EQ(bewaard.Iban, "NL91ABNA0417164300");
    EXPECT_EQ(bewaard.Bic, "ABNANL2A");
    EXPECT_TRUE(bewaard.BetaalQr);
    EXPECT_TRUE(o.main->Pic->BetaalQrLabel->isVisibleTo(o.main->Pic));
    // Stored details are shown as they are, with no proposal over them.
    o.factuur.AfzenderTekst = QStringLiteral("Iemand anders");
    EXPECT_EQ(o.Nieuw()->Text[BedrijfForm::Naam]->text(), "Korpela B.V.");
}
