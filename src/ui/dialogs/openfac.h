#pragma once

#include <QDialog>
#include <QStringList>

class Main;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
struct Factuur;

namespace platform {
class Prompts;
}

// "Open project": the invoice files of the folder "Facturen" by name; the
// chosen one replaces the lines, date and number. Construction is the load step.
class Openfac : public QDialog {
    Q_OBJECT
public:
    Openfac(Main& main, Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap,
            QWidget* parent = nullptr);

    QFrame* Frame1;
    QListWidget* List1;
    QStringList File1;   // the file names behind the list's names, in its order
    QLabel* Label2;
    QLabel* Label1;
    QPushButton* CancelKnop;
    QPushButton* OpenKnop;

public slots:
    void OpenKnop_Click();
    void List1_DblClick();
    void CancelKnop_Click();

private:
    void VulLijst();

    Main& main;
    Factuur& factuur;
    platform::Prompts& prompts;
    QString map;
};
