#include "ui/dialogs/ok_cancel_dialoog.h"

#include "ui/common/kleuren.h"
#include "ui/common/pagina_font.h"
#include "ui/common/plaatsing.h"

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

void OkCancelDialoog::PlaatsOkCancel(Links links, Boven boven)
{
    Label1 = NieuwPaneel(Frame1, links, boven, 1800, 390);
    const Boven knopBoven{boven.twips + 30};
    CancelKnop = NieuweKnop(Frame1, QStringLiteral("Cancel"), Links{links.twips + 30}, knopBoven, 900, 330);
    OkKnop = NieuweKnop(Frame1, QStringLiteral("Ok"), Links{links.twips + 930}, knopBoven, 840, 330);
    OkKnop->setDefault(true);   // Return confirms; a multi-line box keeps Return for its new line
    connect(OkKnop, &QPushButton::clicked, this, &OkCancelDialoog::OkKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &OkCancelDialoog::CancelKnop_Click);
}

void OkCancelDialoog::CancelKnop_Click()
{
    reject();
}
