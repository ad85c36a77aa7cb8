#include "ui/dialogs/titelform.h"

#include "invoice/factuur.h"
#include "ui/common/kleuren.h"
#include "ui/common/plaatsing.h"
#include "ui/main/main_window.h"

#include <QLineEdit>

Titelform::Titelform(Main& main, Factuur& factuur, QWidget* parent)
    : OkCancelDialoog(main, factuur, QStringLiteral("Koptekst"), {4500, 3240, Links{90}, Boven{30}, 4230, 2700}, parent)
{
    for (int i = 1; i <= 5; ++i) {
        Text1[i] = new QLineEdit(factuur.KopTekst[i], Frame1);
        Plaats(Text1[i], Links{120}, Boven{240 + 360 * (i - 1)}, 3960, 330);
        ZetVakKleur(Text1[i], QColor(200 + 5 * i, 210 + 5 * i, 220 + 5 * i));
    }
    // Layout 2 does not show the VAT columns; their headings stay as they are.
    if (factuur.LayoutNr == 2) {
        Text1[3]->setEnabled(false);
        Text1[4]->setEnabled(false);
    }
    PlaatsOkCancel(Links{2310}, Boven{2190});
}

void Titelform::OkKnop_Click()
{
    for (int i = 1; i <= 5; ++i) {
        factuur.KopTekst[i] = Text1[i]->text();
        main.Pic->Kop[i]->ToonTekst(factuur.KopTekst[i]);
    }
    accept();
}
