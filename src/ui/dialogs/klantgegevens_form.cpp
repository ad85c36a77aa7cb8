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
constexpr int kRij = 330;   // twips from one field to the next

}  // namespace

KlantgegevensForm::KlantgegevensForm(Main& main, Factuur& factuur, const Klantgegevens& voorstel,
                                     platform::Prompts& prompts, QWidget* parent)
    : OkCancelDialoog(main, factuur, QStringLiteral("Klantgegevens"), {6000, 4800, 90, 15, 5730, 4215}, parent),
      prompts(prompts)
{
    const QString namen[] = {QStringLiteral("Naam"),          QStringLiteral("Straat en huisnummer"),
                             QStringLiteral("Postcode"),      QStringLiteral("Plaats"),
                             QStringLiteral("Land"),          QStringLiteral("Uw referentie"),
                             QStringLiteral("Btw-nummer"),    QStringLiteral("E-mail")};
    const QString waarden[] = {voorstel.Naam,       voorstel.Straat,    voorstel.Postcode, voorstel.Plaats,
                               voorstel.Land,       voorstel.Referentie, voorstel.BtwNummer, voorstel.Email};
    for (int i = 0; i < 8; ++i) {
        Invoer[i] = new QLineEdit(waarden[i], Frame1);
        ZetGeometrie(Invoer[i], 150, 180 + i * kRij, 3600, 285);
        ZetVakKleur(Invoer[i], kVakKleur);
        NieuwLabel(Frame1, namen[i], 3840, 225 + i * kRij);
    }
    const int top = 180 + 8 * kRij;
    Combo1 = new QComboBox(Frame1);
    for (const NulTariefGeval& g : NulTariefGevallen())
        Combo1->addItem(g.keuzeTekst);
    Combo1->setCurrentIndex(static_cast<int>(voorstel.Nultarief));
    ZetGeometrie(Combo1, 150, top);
    Combo1->setFixedWidth(Px(3600));
    NieuwLabel(Frame1, QStringLiteral("Btw 0 %"), 3840, top + 45);
    Reden = new QLineEdit(voorstel.RedenVrijstelling.isEmpty() ? QStringLiteral("Vrijgesteld van btw")
                                                              : voorstel.RedenVrijstelling,
                          Frame1);
    ZetGeometrie(Reden, 150, top + kRij + 30, 3600, 285);
    ZetVakKleur(Reden, kVakKleur);
    NieuwLabel(Frame1, QStringLiteral("Reden vrijstelling"), 3840, top + kRij + 75);
    // Above 0 % the category is the standard rate: nothing to choose.
    const bool nul = factuur.BtwProcent == 0;
    Combo1->setEnabled(nul);
    Reden->setEnabled(nul);
    PlaatsOkCancel(3780, 3735);
}

Klantgegevens KlantgegevensForm::Gegevens() const
{
    Klantgegevens k;
    QString* velden[] = {&k.Naam, &k.Straat, &k.Postcode, &k.Plaats, &k.Land, &k.Referentie, &k.BtwNummer, &k.Email};
    for (int i = 0; i < 8; ++i)
        *velden[i] = Invoer[i]->text().trimmed();
    k.Land = k.Land.toUpper();
    const auto gevallen = NulTariefGevallen();
    k.Nultarief = gevallen[qBound(0, Combo1->currentIndex(), int(gevallen.size()) - 1)].keuze;
    k.RedenVrijstelling = Reden->text().trimmed();
    return k;
}

void KlantgegevensForm::OkKnop_Click()
{
    if (const auto fout = FoutInKlant(Gegevens(), factuur.BtwProcent)) {
        prompts.Melding(QStringLiteral(" Klantgegevens"), *fout);
        return;   // the details stay for correction
    }
    accept();
}
