#pragma once

#include "boek/overzicht.h"

#include <QDate>
#include <QDialog>

class BoekModel;
class Facturenboek;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
struct Factuur;

namespace platform {
class Prompts;
}

// "Facturenboek": every issued invoice and credit note, newest first, with
// filters, search and the totals of what is shown. "Betaald", "Pdf" and
// "Mailen" act here; "Openen", "Creditnota" and "Btw-aangifte" are asked of
// the program, which closes the window for them.
class FacturenboekVenster : public QDialog {
    Q_OBJECT
public:
    FacturenboekVenster(Facturenboek& boek, const Factuur& factuur, platform::Prompts& prompts,
                        QDate vandaag = QDate::currentDate(), QWidget* parent = nullptr);

    QFrame* Frame1;
    QComboBox* JaarKeuze;
    QComboBox* KwartaalKeuze;
    QComboBox* StatusKeuze;
    QLineEdit* Zoeken;
    QTableView* Lijst;
    QLabel* TotaalLabel;
    QPushButton* BetaaldKnop;
    QPushButton* OpenenKnop;
    QPushButton* PdfKnop;
    QPushButton* CreditnotaKnop;
    QPushButton* MailenKnop;
    QPushButton* AangifteKnop;
    QPushButton* SluitenKnop;

    BoekModel* Model() const { return model; }
    BoekFilter Filter() const;
    // The number of the chosen row; empty when none is chosen.
    QString GekozenNummer() const;

    // Reads the book again and shows it under the filter.
    void Vernieuw();

signals:
    void openenGevraagd(const QString& nummer);
    void creditnotaGevraagd(const QString& nummer);
    void aangifteGevraagd();

public slots:
    void Filter_Change();
    void BetaaldKnop_Click();
    void PdfKnop_Click();
    void MailenKnop_Click();

private:
    const Boekregel* Gekozen() const;
    bool EersteKiezen() const;
    void VulJaren();

    Facturenboek& boek;
    platform::Prompts& prompts;
    QDate vandaag;
    BoekModel* model;
};
