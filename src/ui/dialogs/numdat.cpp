#include "ui/dialogs/numdat.h"

#include "invoice/factuur.h"
#include "ui/dialogs/besturing.h"
#include "ui/dialogs/dialoog.h"
#include "ui/main/main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor kVakKleur(220, 230, 230);

QString TweeCijfers(int getal)
{
    return QString::number(getal).rightJustified(2, QLatin1Char('0'));
}

}  // namespace

NumDat::NumDat(Main& main, Factuur& factuur, QDate vandaag, QWidget* parent)
    : OkCancelDialoog(main, factuur, QStringLiteral("Factuur Datum / Nummer"), {4800, 2430, 90, 15, 4545, 1860},
                      parent)
{
    Combo1 = NieuweKeuzelijst(150, 600, 1, 31, vandaag.day());
    Combo2 = NieuweKeuzelijst(840, 600, 1, 12, vandaag.month());
    Combo3 = NieuweKeuzelijst(1530, 810, 2010, 2099, vandaag.year());
    Label3 = NieuwLabel(Frame1, QStringLiteral("Factuurdatum ( D / M / J )"), 2400, 285);

    Text1 = new QLineEdit(factuur.FactuurNummer, Frame1);
    ZetGeometrie(Text1, 150, 660, 2175, 300);
    ZetVakKleur(Text1, kVakKleur);
    Label2 = NieuwLabel(Frame1, QStringLiteral("Factuurnummer"), 2400, 705);

    Label4 = NieuwLabel(Frame1, QStringLiteral("Géén aanhalingstekens \" of ' gebruiken in het nummer."), 150, 1140);
    Label4->setWordWrap(true);
    ZetGeometrie(Label4, 150, 1140, 2130, 600);

    PlaatsOkCancel(2610, 1350);
}

// A list of the numbers van to tot, two digits at least, preset to today's.
QComboBox* NumDat::NieuweKeuzelijst(int left, int width, int van, int tot, int vandaag)
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
    ZetGeometrie(lijst, left, 240);
    lijst->setFixedWidth(Px(width));
    ZetVakKleur(lijst, kVakKleur);
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
