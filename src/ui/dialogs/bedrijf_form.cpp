#include "ui/dialogs/bedrijf_form.h"

#include "invoice/bedrijf_controle.h"
#include "invoice/company_file.h"
#include "invoice/factuur.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "ui/dialogs/besturing.h"
#include "ui/dialogs/dialoog.h"
#include "ui/main/main_window.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kTitel = QStringLiteral(" Bedrijfsgegevens");
constexpr int kRegel = 375;   // twips from one field to the next

}  // namespace

BedrijfForm::BedrijfForm(Main& main, Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap,
                         QWidget* parent)
    : OkCancelDialoog(main, factuur, QStringLiteral("Bedrijfsgegevens"), {6000, 5970, 90, 30, 5730, 5385}, parent),
      prompts(prompts), pad(platform::Pad(programmaMap, QString::fromLatin1(kBedrijfBestand)))
{
    const QString namen[kVelden] = {
        QStringLiteral("Bedrijfsnaam"), QStringLiteral("Straat en huisnummer"), QStringLiteral("Postcode"),
        QStringLiteral("Plaats"),       QStringLiteral("Land"),                 QStringLiteral("KvK-nummer"),
        QStringLiteral("Btw-nummer"),   QStringLiteral("IBAN"),                 QStringLiteral("BIC"),
        QStringLiteral("E-mail"),       QStringLiteral("Betaaltermijn (dagen)")};
    const Bedrijfsgegevens& b = factuur.Bedrijf;
    const QString waarden[kVelden] = {b.Bedrijfsnaam, b.Straat,    b.Postcode, b.Plaats, b.Land,
                                      b.KvkNummer,    b.BtwNummer, b.Iban,     b.Bic,    b.Email,
                                      QString::number(b.Betaaltermijn)};
    for (int i = 0; i < kVelden; ++i) {
        NieuwLabel(Frame1, namen[i], 150, 270 + i * kRegel);
        Text[i] = new QLineEdit(waarden[i], Frame1);
        ZetGeometrie(Text[i], 2100, 240 + i * kRegel, 3450, 300);
        ZetVakKleur(Text[i], QColor(230, 230, 180));
    }
    // Nothing stored yet: the sender block's first line is the likely name.
    if (ZijnLeeg(b))
        Text[Naam]->setText(factuur.AfzenderTekst.section(QStringLiteral("\r\n"), 0, 0).trimmed());
    BetaalQrCheck = new QCheckBox(QStringLiteral("Betaal-QR op de factuur"), Frame1);
    ZetGeometrie(BetaalQrCheck, 2100, 240 + kVelden * kRegel);
    BetaalQrCheck->setChecked(b.BetaalQr);
    PlaatsOkCancel(3780, 4800);
    OkKnop->setDefault(true);
}

Bedrijfsgegevens BedrijfForm::Gegevens() const
{
    Bedrijfsgegevens b;
    QString* velden[] = {&b.Bedrijfsnaam, &b.Straat, &b.Postcode, &b.Plaats, &b.Land,
                         &b.KvkNummer,    &b.BtwNummer, &b.Iban, &b.Bic, &b.Email};
    for (int i = 0; i < Termijn; ++i)
        *velden[i] = Text[i]->text();
    bool getal = false;
    const int termijn = Text[Termijn]->text().trimmed().toInt(&getal);
    b.Betaaltermijn = getal ? termijn : -1;
    b.BetaalQr = BetaalQrCheck->isChecked();
    return b;
}

void BedrijfForm::OkKnop_Click()
{
    const Bedrijfsgegevens b = Gegevens();
    if (const auto fout = FoutInBedrijfsgegevens(b)) {
        prompts.Melding(kTitel, *fout);
        return;   // the fields stay for correction
    }
    const Bedrijfsgegevens bewaard = Genormaliseerd(b);
    if (!SchrijfBedrijfsgegevens(bewaard, pad)) {
        prompts.Melding(kTitel, QStringLiteral("De bedrijfsgegevens konden niet worden opgeslagen in ") + pad
                                    + QStringLiteral("."));
        return;
    }
    factuur.Bedrijf = bewaard;
    main.ToonBetaalQr();
    accept();
}
