#include "ui/dialogs/ok_cancel_dialoog.h"

#include "ui/dialogs/besturing.h"
#include "ui/dialogs/dialoog.h"
#include "ui/main/page_controls.h"

#include <QFrame>
#include <QPushButton>

OkCancelDialoog::OkCancelDialoog(Main& main, Factuur& factuur, const QString& titel, const Maten& maten,
                                 QWidget* parent)
    : QDialog(parent), main(main), factuur(factuur)
{
    setWindowTitle(titel);
    setFont(PaginaFont(8));
    ZetVenstermaat(this, maten.breedte, maten.hoogte);
    Frame1 = NieuwFrame(this, maten.frameLinks, maten.frameBoven, maten.frameBreedte, maten.frameHoogte);
    KleurSchemaToepassen(this, Frame1, factuur);
}

void OkCancelDialoog::PlaatsOkCancel(int left, int top)
{
    Label1 = NieuwPaneel(Frame1, left, top, 1800, 390);
    CancelKnop = NieuweKnop(Frame1, QStringLiteral("Cancel"), left + 30, top + 30, 900, 330);
    OkKnop = NieuweKnop(Frame1, QStringLiteral("Ok"), left + 930, top + 30, 840, 330);
    OkKnop->setDefault(true);   // Return confirms; a multi-line box keeps Return for its new line
    connect(OkKnop, &QPushButton::clicked, this, &OkCancelDialoog::OkKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &OkCancelDialoog::CancelKnop_Click);
}

void OkCancelDialoog::CancelKnop_Click()
{
    reject();
}
