#pragma once

#include <QDialog>
#include <QImage>

class Main;
class QFrame;
class QLabel;
struct Factuur;

// The palette picture: fixed colour fields, 192 x 169 pixels. It holds pure
// white and the default scheme among its fields.
QImage PaletPlaatje();

// The hover hint of a colour, " r,g,b / #RRGGBB " with a blank at both ends.
QString KleurHint(const QColor& kleur);

// The palette window: a click on a colour makes it the colour scheme of the
// main window and of every dialog opened afterwards.
class Kleuren : public QDialog {
    Q_OBJECT
public:
    Kleuren(Main& main, Factuur& factuur);

    QLabel* KnopBack;
    QFrame* Picture2;
    QLabel* Picture1;
    QLabel* Picture3;

    void Picture1_MouseMove(const QPoint& plek);
    void Picture1_MouseDown(const QPoint& plek);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    Main& main;
    Factuur& factuur;
    QImage plaatje;
};
