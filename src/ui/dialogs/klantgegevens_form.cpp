#include "ui/dialogs/klantgegevens_form.h"

#include "einvoice/efactuur_controle.h"
#include "invoice/factuur.h"
#include "platform/prompts.h"
#include "ui/common/kleuren.h"
#include "ui/common/plaatsing.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int kRij = 330;     // twips from one field to the next
constexpr int kBoven = 180;   // the first field
constexpr int kBreedte = 3600;

int Index(const QString& naam)
{
    const auto velden = KlantVelden();
    for (std::size_t i = 0; i < velden.size(); ++i)
        if (velden[i].naam == naam)
            return int(i);
    return -1;
}

}  // namespace

KlantgegevensForm::KlantgegevensForm(Main& main, Factuur& factuur, const Klantgegevens& voorstel,
                                     platform::Prompts& prompts, QWidget* parent)
    : OkCancelDialoog(main, factuur, QStringLiteral("Klantgegevens"),
                      {6000, 1470 + int(KlantVelden().size()) * kRij, Links{90}, Boven{15}, 5730,
                       885 + int(KlantVelden().size()) * kRij},
                      parent),
      prompts(prompts)
{
    int top = kBoven;
    for (const KlantVeld& v : KlantVelden()) {
        if (v.keuzes.empty()) {
            auto* vak = new QLineEdit(v.lees(voorstel), Frame1);
            Plaats(vak, Links{150}, Boven{top}, kBreedte, 285);
            ZetVakKleur(vak, kInvoerKleur);
            Veld.push_back(vak);
        } else {
            auto* lijst = new QComboBox(Frame1);
            for (const KlantKeuze& k : v.keuzes) {
                lijst->addItem(k.tekst, k.code);
                if (k.code == v.lees(voorstel))
                    lijst->setCurrentIndex(lijst->count() - 1);
            }
            Plaats(lijst, Links{150}, Boven{top - 15}, kBreedte);
            connect(lijst, &QComboBox::currentIndexChanged, this, &KlantgegevensForm::ZetBeschikbaar);
            Veld.push_back(lijst);
        }
        NieuwLabel(Frame1, v.naam, Links{3840}, Boven{top + 45});
        top += kRij;
    }
    ZetBeschikbaar();
    PlaatsOkCancel(Links{3780}, Boven{top + 225});
}

QLineEdit* KlantgegevensForm::Tekstvak(const QString& naam) const
{
    const int i = Index(naam);
    return i < 0 ? nullptr : qobject_cast<QLineEdit*>(Veld[i]);
}

QComboBox* KlantgegevensForm::Keuzevak(const QString& naam) const
{
    const int i = Index(naam);
    return i < 0 ? nullptr : qobject_cast<QComboBox*>(Veld[i]);
}

Klantgegevens KlantgegevensForm::Gegevens() const
{
    Klantgegevens k;
    const auto velden = KlantVelden();
    for (std::size_t i = 0; i < velden.size(); ++i) {
        if (const auto* vak = qobject_cast<const QLineEdit*>(Veld[i]))
            velden[i].zet(k, vak->text());
        else if (const auto* lijst = qobject_cast<const QComboBox*>(Veld[i]))
            velden[i].zet(k, lijst->currentData().toString());
    }
    return k;
}

void KlantgegevensForm::ZetBeschikbaar()
{
    const Klantgegevens k = Gegevens();
    const bool nummer = k.Id == KlantId::Kvk || k.Id == KlantId::Oin || k.Id == KlantId::Gln;
    Tekstvak(QStringLiteral("Nummer"))->setEnabled(nummer);
    Keuzevak(QStringLiteral("Profiel"))->setEnabled(k.Id != KlantId::Geen);
}

void KlantgegevensForm::OkKnop_Click()
{
    if (const auto fout = FoutInKlant(Gegevens(), factuur)) {
        prompts.Melding(QStringLiteral(" Klantgegevens"), *fout);
        return;   // the details stay for correction
    }
    accept();
}
