#pragma once

#include "ui/dialogs/rekenmachine.h"

#include <QDialog>

#include <array>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class Prompts;
}

// "Calculator": four functions and percent. Text1 repeats the display so the
// amount can be selected and copied; nothing goes into the invoice.
class Calculator : public QDialog {
    Q_OBJECT
public:
    explicit Calculator(platform::Prompts& prompts, QWidget* parent = nullptr);

    std::array<QPushButton*, 10> Number{};
    std::array<QPushButton*, 5> Operator{};   // + - X / =
    QPushButton* Decimal;
    QPushButton* Percent;
    QPushButton* Cancel;
    QPushButton* CancelEntry;
    QLabel* Readout;
    QLineEdit* Text1;

public slots:
    void Number_Click(int index);
    void Decimal_Click();
    void Operator_Click(int index);
    void Percent_Click();
    void Cancel_Click();
    void CancelEntry_Click();
    void Backspace_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QPushButton* ToetsVoor(const QKeyEvent& event) const;
    QPushButton* NieuweToets(const QString& tekst, int rij, int kolom, int breedte = 1);
    void Toon();

    platform::Prompts& prompts;
    Rekenmachine rekenmachine;
};
