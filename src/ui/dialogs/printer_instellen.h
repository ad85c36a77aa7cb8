#pragma once

#include "platform/printer_surface.h"

#include <QDialog>

class QComboBox;
class QPushButton;

// "Printer instellen": the printer, its paper and the orientation for the
// next prints and envelopes. Nothing is printed from here.
class PrinterInstellen : public QDialog {
    Q_OBJECT
public:
    PrinterInstellen(const platform::PrinterKeuze& keuze, QWidget* parent = nullptr);

    // The choice the lists show.
    platform::PrinterKeuze Keuze() const;

    QComboBox* PrinterLijst;
    QComboBox* PapierLijst;
    QComboBox* Afdrukstand;
    QPushButton* CancelKnop;
    QPushButton* InstelKnop;

private:
    void VulPapier(const QPageSize& voorkeur);
};
