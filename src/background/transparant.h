#pragma once

#include "imaging/pixels.h"

#include <QDialog>

#include <array>
#include <functional>

class Doek;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;
struct Factuur;

namespace platform {
class Prompts;
}

// "Achtergrond Ontwerpen": a picture laid faintly over blank paper, rubbed out
// and shifted by hand, and stored in the folder "Backgrounds" for the page.
class Transparant : public QDialog {
    Q_OBJECT
public:
    static constexpr int kBreedte = 460;   // canvas size in pixels
    static constexpr int kHoogte = 410;

    Transparant(const Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap,
                QWidget* parent = nullptr);

    QFrame* Frame1;
    QLabel* Label1;
    Doek* Picture3;
    QFrame* Gom;
    QLabel* Label3;
    QScrollBar* HScroll;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* LoadKnop;
    QPushButton* SaveKnop;
    QLabel* Label6;
    std::array<QToolButton*, 4> Verschuif{};   // down, up, left, right
    QLabel* Label7;
    QLabel* Label2;
    QPushButton* CancelKnop;

    // The file-open dialog; an empty name is a cancel.
    std::function<QString(QWidget*)> KiesBestand;
    // Seconds the window lets events run before it blends, so a quick series
    // of scroll bar steps shows its last value.
    double Pauze = 0.5;

public slots:
    void LoadKnop_Click();
    void HScroll_Change();
    void Picture3_MouseDown(Qt::MouseButtons knoppen, QPoint plek);
    void Picture3_MouseMove(Qt::MouseButtons knoppen, QPoint plek);
    void Picture3_MouseUp();
    void Verschuif_Click(int index);
    void SaveKnop_Click();
    void CancelKnop_Click();
    void MaakTransparant();

private:
    void MaakBesturing();
    void MaakDoek();
    void MaakKnoppen();
    void Gummen(Qt::MouseButtons knoppen, QPoint plek);

    platform::Prompts& prompts;
    QString programmaMap;
    imaging::Pixels Picture1;   // the blank paper
    imaging::Pixels Picture2;   // the opened picture at canvas size
};
