#include "ui/dialogs/bottomform.h"

#include "invoice/factuur.h"
#include "ui/common/kleuren.h"
#include "ui/common/plaatsing.h"
#include "ui/main/main_window.h"

#include <QLabel>
#include <QLineEdit>

BottomForm::BottomForm(Main& main, Factuur& factuur, QWidget* parent)
    : OkCancelDialoog(main, factuur, QStringLiteral("Voettekst"), {8415, 2115, Links{90}, Boven{15}, 8145, 1545},
                      parent)
{
    Text1 = NieuweRegel(factuur.VoetTekst[1], 240);
    Label3 = NieuwLabel(Frame1, QStringLiteral("Regel 1"), Links{7350}, Boven{285});
    Text2 = NieuweRegel(factuur.VoetTekst[2], 600);
    Label4 = NieuwLabel(Frame1, QStringLiteral("Regel 2"), Links{7350}, Boven{645});
    Label2 = NieuwLabel(Frame1,
                        MetRegeleinden(QStringLiteral(
                            "Klik op de button Ok om deze 1 of 2 regels naar de factuur te exporteren,\r\n"
                            "deze gegevens worden opgeslagen bij het sluiten van het programma.")),
                        Links{150}, Boven{990});
    PlaatsOkCancel(Links{6210}, Boven{1020});
}

QLineEdit* BottomForm::NieuweRegel(const QString& tekst, int top)
{
    auto* regel = new QLineEdit(tekst, Frame1);
    Plaats(regel, Links{135}, Boven{top}, 7140, 285);
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
