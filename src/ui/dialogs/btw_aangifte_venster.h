#pragma once

#include "boek/btw_aangifte.h"

#include <QDate>
#include <QDialog>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
struct Factuur;

namespace platform {
class Prompts;
}

// "Btw-aangifte": the figures of a quarter (or a whole year) from the book,
// and "Opslaan als CSV" for the accountant.
class BtwAangifteVenster : public QDialog {
    Q_OBJECT
public:
    BtwAangifteVenster(std::vector<Boekregel> regels, const Factuur& factuur, const QString& programmaMap,
                       platform::Prompts& prompts, QDate vandaag = QDate::currentDate(), QWidget* parent = nullptr);

    QFrame* Frame1;
    QComboBox* JaarKeuze;
    QComboBox* KwartaalKeuze;
    std::array<QLabel*, 5> Omzet{};
    std::array<QLabel*, 5> Btw{};
    QLabel* KorLabel;
    QLabel* AantalLabel;
    QPushButton* CsvKnop;
    QPushButton* SluitenKnop;

    const BtwAangifte& Aangifte() const { return aangifte; }

public slots:
    void Keuze_Change();
    void CsvKnop_Click();

private:
    std::vector<Boekregel> regels;
    QString programmaMap;
    platform::Prompts& prompts;
    QDate vandaag;
    BtwAangifte aangifte;
};
