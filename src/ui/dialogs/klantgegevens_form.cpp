#include "ui/dialogs/klantgegevens_form.h"

#include "einvoice/efactuur_controle.h"
#include "invoice/factuur.h"
#include "platform/prompts.h"
#include "ui/dialogs/besturing.h"
#include "ui/dialogs/dialoog.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QColor kVakKleur(220, 230, 230);
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
                      {6000, 1470 + int(KlantVelden().size()) * kRij, 90, 15, 5730,
                       885 + int(KlantVelden().size()) * kRij},
                      parent),
      prompts(prompts)
{
    int top = kBoven;
    for (const KlantVeld& v : KlantVelden()) {
        if (v.keuzes.empty()) {
            auto* vak = new QLineEdit(v.lees(voorstel), Frame1);
            ZetGeometrie(vak, 150, top, kBreedte, 285);
            ZetVakKleur(vak, kVakKleur);
            Veld.push_back(vak);
        } else {
            auto* lijst = new QComboBox(Frame1);
            for (const KlantKeuze& k : v.keuzes) {
                lijst->addItem(k.tekst, k.code);
                if (k.code == v.lees(voorstel))
                    lijst->setCurrentIndex(lijst->count() - 1);
            }
            ZetGeometrie(lijst, 150, top - 15);
            lijst->setFixedWidth(Px(kBreedte));
            connect(lijst, &QComboBox::currentIndexChanged, this, &KlantgegevensForm::ZetBeschikbaar);
            Veld.push_back(lijst);
        }
        NieuwLabel(Frame1, v.naam, 3840, top + 45);
        top += kRij;
    }
    ZetBeschikbaar();
    PlaatsOkCancel(3780, top + 225);
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
