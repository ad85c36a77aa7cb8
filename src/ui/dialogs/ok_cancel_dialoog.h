#pragma once

#include "ui/common/plaatsing.h"

#include <QDialog>

class Main;
class QFrame;
class QLabel;
class QPushButton;
struct Factuur;

// A dialog that edits part of the invoice inside its frame and closes with
// "Cancel" (nothing changes) or "Ok" (the invoice and the page take the
// edit). Window and frame wear the colour scheme.
class OkCancelDialoog : public QDialog {
    Q_OBJECT
public:
    QFrame* Frame1;
    QLabel* Label1 = nullptr;   // the panel behind the two buttons
    QPushButton* CancelKnop = nullptr;
    QPushButton* OkKnop = nullptr;

public slots:
    virtual void OkKnop_Click() = 0;
    void CancelKnop_Click();

protected:
    // The outer size of the window and the frame's place, in twips.
    struct Maten {
        int breedte;
        int hoogte;
        Links frameLinks;
        Boven frameBoven;
        int frameBreedte;
        int frameHoogte;
    };
    OkCancelDialoog(Main& main, Factuur& factuur, const QString& titel, const Maten& maten, QWidget* parent);
    // The panel at its place in the frame; Cancel 900 and Ok 840 twips wide on it.
    void PlaatsOkCancel(Links links, Boven boven);

    Main& main;
    Factuur& factuur;
};
