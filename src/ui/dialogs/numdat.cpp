#include "ui/dialogs/numdat.h"

#include "invoice/factuur.h"
#include "ui/common/kleuren.h"
#include "ui/common/plaatsing.h"
#include "ui/main/main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QString TweeCijfers(int getal)
{
    return QString::number(getal).rightJustified(2, QLatin1Char('0'));
}

}  // namespace

NumDat::NumDat(Main& main, Factuur& factuur, QDate vandaag, QWidget* parent)
    : OkCancelDialoog(main, factuur, QStringLiteral("Factuur Datum / Nummer"),
                      {4800, 2430, Links{90}, Boven{15}, 4545, 1860}, parent)
{
    Combo1 = NieuweKeuzelijst(Links{150}, 600, 1, 31, vandaag.day());
    Combo2 = NieuweKeuzelijst(Links{840}, 600, 1, 12, vandaag.month());
    Combo3 = NieuweKeuzelijst(Links{1530}, 810, 2010, 2099, vandaag.year());
    Label3 = NieuwLabel(Frame1, QStringLiteral("Factuurdatum ( D / M / J )"), Links{2400}, Boven{285});

    Text1 = new QLineEdit(factuur.FactuurNummer, Frame1);
    Plaats(Text1, Links{150}, Boven{660}, 2175, 300);
    ZetVakKleur(Text1, kInvoerKleur);
    Label2 = NieuwLabel(Frame1, QStringLiteral("Factuurnummer"), Links{2400}, Boven{705});

    Label4 = NieuwLabel(Frame1, QStringLiteral("Géén aanhalingstekens \" of ' gebruiken in het nummer."), Links{150},
                        Boven{1140});
    Label4->setWordWrap(true);
    Plaats(Label4, Links{150}, Boven{1140}, 2130, 600);

    PlaatsOkCancel(Links{2610}, Boven{1350});
}

// A list of the numbers van to tot, two digits at least, preset to today's.
QComboBox* NumDat::NieuweKeuzelijst(Links links, int breedte, int van, int tot, int vandaag)
{
    auto* lijst = new QComboBox(Frame1);
    lijst->setEditable(true);
    for (int getal = van; getal <= tot; ++getal)
        lijst->addItem(TweeCijfers(getal));
    // The entry itself, not only its text: a wheel notch or arrow key then
    // steps from today, not from the first entry.
    const int index = lijst->findText(TweeCijfers(vandaag));
    if (index >= 0)
        lijst->setCurrentIndex(index);
    else
        lijst->setCurrentText(TweeCijfers(vandaag));
    Plaats(lijst, links, Boven{240}, breedte);
    ZetVakKleur(lijst, kInvoerKleur);
    return lijst;
}

void NumDat::OkKnop_Click()
{
    factuur.FactuurDatum = (Combo1->currentText() + QLatin1Char('-') + Combo2->currentText() + QLatin1Char('-')
                            + Combo3->currentText()).trimmed();
    factuur.FactuurNummer = Text1->text().trimmed();
    main.ToonFactuurLabel();
    accept();
}
