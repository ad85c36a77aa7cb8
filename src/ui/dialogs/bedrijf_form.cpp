#include "ui/dialogs/bedrijf_form.h"

#include "invoice/bedrijf_controle.h"
#include "invoice/bedrijf_velden.h"
#include "invoice/company_file.h"
#include "invoice/factuur.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "ui/common/kleuren.h"
#include "ui/common/plaatsing.h"
#include "ui/main/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kTitel = QStringLiteral(" Bedrijfsgegevens");
constexpr int kRegel = 375;   // twips from one field to the next
constexpr int kOkBoven = 240 + BedrijfForm::kVelden * kRegel + 60;

template <typename T>
T* Als(QWidget* w)
{
    return qobject_cast<T*>(w);
}

}  // namespace

BedrijfForm::BedrijfForm(Main& main, Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap,
                         QWidget* parent)
    : OkCancelDialoog(main, factuur, QStringLiteral("Bedrijfsgegevens"),
                      {6000, kOkBoven + 1170, Links{90}, Boven{30}, 5730, kOkBoven + 585}, parent),
      prompts(prompts), pad(platform::Pad(programmaMap, QString::fromLatin1(kBedrijfBestand)))
{
    const auto velden = BedrijfVelden();
    Q_ASSERT(velden.size() == kVelden);
    const Bedrijfsgegevens& b = factuur.Bedrijf;
    for (int i = 0; i < kVelden; ++i) {
        const BedrijfVeld& veld = velden[i];
        const int top = 240 + i * kRegel;
        std::visit(
            [&](auto lid) {
                using Waarde = std::remove_cvref_t<decltype(b.*lid)>;
                if constexpr (std::is_same_v<Waarde, bool>) {
                    auto* vinkje = new QCheckBox(veld.naam, Frame1);
                    vinkje->setChecked(b.*lid);
                    invoer[i] = vinkje;
                } else {
                    NieuwLabel(Frame1, veld.naam, Links{150}, Boven{top + 30});
                    if constexpr (std::is_same_v<Waarde, NulTarief>) {
                        auto* keuze = new QComboBox(Frame1);
                        for (const NulTariefGeval& g : NulTariefGevallen())
                            keuze->addItem(g.keuzeTekst);
                        keuze->setCurrentIndex(static_cast<int>(b.*lid));
                        invoer[i] = keuze;
                    } else {
                        auto* tekst = new QLineEdit(Frame1);
                        if constexpr (std::is_same_v<Waarde, int>)
                            tekst->setText(QString::number(b.*lid));
                        else
                            tekst->setText(b.*lid);
                        if (veld.max > 0 && std::is_same_v<Waarde, QString>)
                            tekst->setMaxLength(veld.max);
                        ZetVakKleur(tekst, QColor(230, 230, 180));
                        invoer[i] = Text[i] = tekst;
                    }
                }
            },
            veld.lid);
        ZetPlaats(invoer[i], Links{2100}, Boven{top}, 3450, 300);
    }
    BetaalQrCheck = Als<QCheckBox>(invoer[BetaalQr]);
    VerkopersRegelCheck = Als<QCheckBox>(invoer[VerkopersRegel]);
    NultariefKeuze = Als<QComboBox>(invoer[Nultarief]);
    // Nothing stored yet: the sender block's first line is the likely name.
    if (ZijnLeeg(b))
        Text[Naam]->setText(factuur.AfzenderTekst.section(QStringLiteral("\r\n"), 0, 0).trimmed());
    PlaatsOkCancel(Links{3780}, Boven{kOkBoven});
    OkKnop->setDefault(true);
}

Bedrijfsgegevens BedrijfForm::Gegevens() const
{
    Bedrijfsgegevens b;
    const auto velden = BedrijfVelden();
    for (int i = 0; i < kVelden; ++i)
        std::visit(
            [&](auto lid) {
                using Waarde = std::remove_cvref_t<decltype(b.*lid)>;
                if constexpr (std::is_same_v<Waarde, bool>) {
                    b.*lid = Als<QCheckBox>(invoer[i])->isChecked();
                } else if constexpr (std::is_same_v<Waarde, NulTarief>) {
                    const auto gevallen = NulTariefGevallen();
                    const int keuze = Als<QComboBox>(invoer[i])->currentIndex();
                    b.*lid = gevallen[qBound(0, keuze, int(gevallen.size()) - 1)].keuze;
                } else if constexpr (std::is_same_v<Waarde, int>) {
                    bool getal = false;
                    const int waarde = Text[i]->text().trimmed().toInt(&getal);
                    b.*lid = getal ? waarde : -1;
                } else {
                    b.*lid = Text[i]->text();
                }
            },
            velden[i].lid);
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
    // A new usual case is this invoice's case too; otherwise the case chosen for it stays.
    if (bewaard.Nultarief != factuur.Bedrijf.Nultarief)
        factuur.Nultarief = bewaard.Nultarief;
    factuur.Bedrijf = bewaard;
    main.ToonBedrijf();
    accept();
}
