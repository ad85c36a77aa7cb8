#pragma once

#include "app/titel_feiten.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QTimer;

namespace platform {
class Prompts;
}

// The start window: a photo, facts about the program and the screen, a
// clock, and the maker's address. A click on the photo or the facts plays
// the strip animation, closes the window and asks for the main window.
class Titel : public QWidget {
    Q_OBJECT
public:
    Titel(const QString& programmaBestand, const Scherm& scherm, platform::Prompts& prompts,
          QWidget* parent = nullptr);

    // Sizes in twips, 15 to a pixel.
    static constexpr int kBreedte = 7500;
    static constexpr int kHoogte = 4800;

    QLabel* Image1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label1;
    QLabel* KlokLabel;
    QLabel* Label2;
    QLabel* Picture1;
    QTimer* Timer1;

    const QImage& Strook() const { return strook; }

public slots:
    void Image1_Click();
    void Label1_Click();
    void Label4_Click();
    void Timer1_Timer();
    void Form_Activate();

signals:
    void hoofdvensterGevraagd();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void MaakVenster();
    void PrintAanwijzing();
    void KleurKolom(int kolom);

    platform::Prompts& prompts;
    int resolutie;
    QImage strook;          // Picture1's picture, 240 x 16 pixels
    bool gewaarschuwd = false;
};
