#include "ui/dialogs/bottomform.h"

#include "invoice/factuur.h"
#include "ui/dialogs/besturing.h"
#include "ui/dialogs/dialoog.h"
#include "ui/main/main_window.h"

#include <QLabel>
#include <QLineEdit>

BottomForm::BottomForm(Main& main, Factuur& factuur, QWidget* parent)
    : OkCancelDialoog(main, factuur, QStringLiteral("Voettekst"), {8415, 2115, 90, 15, 8145, 1545}, parent)
{
    Text1 = NieuweRegel(factuur.VoetTekst[1], 240);
    Label3 = NieuwLabel(Frame1, QStringLiteral("Regel 1"), 7350, 285);
    Text2 = NieuweRegel(factuur.VoetTekst[2], 600);
    Label4 = NieuwLabel(Frame1, QStringLiteral("Regel 2"), 7350, 645);
    Label2 = NieuwLabel(Frame1,
                        MetRegeleinden(QStringLiteral(
                            "Klik op de button Ok om deze 1 of 2 regels naar de factuur te exporteren,\r\n"
                            "deze gegevens worden opgeslagen bij het sluiten van het programma.")),
                        150, 990);
    PlaatsOkCancel(6210, 1020);
}

QLineEdit* BottomForm::NieuweRegel(const QString& tekst, int top)
{
    auto* regel = new QLineEdit(tekst, Frame1);
    ZetGeometrie(regel, 135, top, 7140, 285);
    ZetVakKleur(regel, QColor(250, 250, 160));
    return regel;
}

void BottomForm::OkKnop_Click()
{
    factuur.VoetTekst[1] = Text1->text();
    factuur.VoetTekst[2] = Text2->text();
    main.ToonVoettekst();
    accept();
}
