#include "invoice/company_file.h"
#include "ui/dialogs/bedrijf_form.h"

#include "ui/hoofdvenster.h"
#include "support/odd_files.h"

#include <QCheckBox>
#include <QLineEdit>
#include "support/voorbeeld_bedrijf.h"

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

TEST(BedrijfForm, ABadRecordIsToldOnceAndOkWritesBackAllThereWas)
{
    Bedrijfsgegevens b = VoorbeeldBedrijf();
    const QByteArray goed = BedrijfsgegevensBytes(b);
    // The IBAN's quote never closed, the last record gone.
    const QByteArray kapot = QByteArray(goed).replace("\"NL91ABNA0417164300\"", "\"NL91ABNA0417164300").left(goed.size() - 4);

    TempProgramFolder map;
    map.write(kBedrijfBestand, kapot);
    Factuur factuur;
    ScriptedPrompts prompts;
    Main main(factuur, prompts, map.path());
    ASSERT_EQ(prompts.gevraagd.size(), 1u);
    EXPECT_EQ(prompts.gevraagd[0].titel, " Bedrijfsgegevens");
    EXPECT_TRUE(prompts.gevraagd[0].tekst.contains("'IBAN', 'Betaal-QR op de factuur'")) << prompts.gevraagd[0].tekst.toStdString();
    BedrijfForm dialoog(main, factuur, prompts, map.path());
    EXPECT_EQ(dialoog.Text[BedrijfForm::Straat]->text(), "Lindeplein 59");
    dialoog.OkKnop_Click();
    EXPECT_EQ(dialoog.result(), QDialog::Accepted);
    EXPECT_EQ(map.read(kBedrijfBestand), goed);
}

TEST(BedrijfForm, SomethingOtherThanAFileInItsPlaceIsToldAndNotFollowed)
{
    const HangGuard guard;
    TempProgramFolder buiten;
    buiten.write("elders.ini", BedrijfsgegevensBytes(Bedrijfsgegevens{}));
    for (const OddFile& odd : OddFiles()) {
        SCOPED_TRACE(odd.naam);
        TempProgramFolder map;
        if (!odd.maak(map.file(kBedrijfBestand), buiten.file("elders.ini")))
            continue;  // a device needs root
        Factuur factuur;
        ScriptedPrompts prompts;
        Main main(factuur, prompts, map.path());
        ASSERT_EQ(prompts.gevraagd.size(), 1u);
        EXPECT_TRUE(prompts.gevraagd[0].tekst.contains(" is geen gewoon bestand en kan niet worden gebruikt."));
    }
}
