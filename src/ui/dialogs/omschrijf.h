#pragma once

#include "invoice/regels_totalen.h"

#include "ui/dialogs/ok_cancel_dialoog.h"

#include <array>

class QLineEdit;

namespace platform {
class Prompts;
}

// "Omschrijving factuur": the twenty invoice lines, each a first column, a
// description and a price. Construction is the load step.
class Omschrijf : public OkCancelDialoog {
    Q_OBJECT
public:
    Omschrijf(Main& main, Factuur& factuur, platform::Prompts& prompts, QWidget* parent = nullptr);

    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* BackInvoer;
    std::array<QLineEdit*, Factuur::kRegels> Invoer1{};
    std::array<QLineEdit*, Factuur::kRegels> Invoer2{};
    std::array<QLineEdit*, Factuur::kRegels> Invoer3{};
    QLabel* Label8;
    QPushButton* TotaalKnop;
    QLineEdit* TotaalText;
    QLabel* Label6;
    QLabel* Label5;
    QPushButton* AddKnop;
    QPushButton* DelKnop;

public slots:
    void AddKnop_Click();
    void DelKnop_Click();
    void Invoer3_Click(int index);
    void TotaalKnop_Click();
    void OkKnop_Click() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void MaakRegels();
    void MaakKnoppen();
    QLineEdit* NieuwRegelvak(Links links, Boven boven, int breedte);
    RegelTeksten Teksten(const std::array<QLineEdit*, Factuur::kRegels>& vakken) const;
    // Tells the user of the first price too large to compute and puts the
    // cursor in it; true when there is none.
    bool PrijzenTeBerekenen();

    platform::Prompts& prompts;
};

// "Nieuw": after a Yes the lines are emptied, the page shows a new invoice
// and the lines editor opens.
void FileNieuw_Click(Main& main, Factuur& factuur, platform::Prompts& prompts);
