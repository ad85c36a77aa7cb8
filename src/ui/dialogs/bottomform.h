#pragma once

#include "ui/dialogs/ok_cancel_dialoog.h"

class QLineEdit;

// "Voettekst": the two footer lines. Construction is the load step.
class BottomForm : public OkCancelDialoog {
    Q_OBJECT
public:
    BottomForm(Main& main, Factuur& factuur, QWidget* parent = nullptr);

    QLineEdit* Text1;
    QLabel* Label3;
    QLineEdit* Text2;
    QLabel* Label4;
    QLabel* Label2;

public slots:
    void OkKnop_Click() override;

private:
    QLineEdit* NieuweRegel(const QString& tekst, int top);
};
