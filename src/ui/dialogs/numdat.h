#pragma once

#include "ui/dialogs/ok_cancel_dialoog.h"

#include <QDate>

class QComboBox;
class QLineEdit;

// "Factuur Datum / Nummer": the invoice date, preset to today, and the
// invoice number. Construction is the load step.
class NumDat : public OkCancelDialoog {
    Q_OBJECT
public:
    NumDat(Main& main, Factuur& factuur, QDate vandaag = QDate::currentDate(), QWidget* parent = nullptr);

    QComboBox* Combo1;   // day
    QComboBox* Combo2;   // month
    QComboBox* Combo3;   // year
    QLabel* Label3;
    QLineEdit* Text1;
    QLabel* Label2;
    QLabel* Label4;

public slots:
    void OkKnop_Click() override;

private:
    QComboBox* NieuweKeuzelijst(Links links, int breedte, int van, int tot, int vandaag);
};
