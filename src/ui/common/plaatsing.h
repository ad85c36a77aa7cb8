#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// Windows are laid out in twips, 15 to a pixel at the 96 DPI they are drawn
// for. A place is always left before top, each a type of its own, so the
// two cannot change places unnoticed; widths and heights are plain twips.

constexpr int Px(int twips)
{
    return twips / 15;
}

// The distance from the parent's left edge.
struct Links {
    int twips;
};

// The distance from the parent's top edge.
struct Boven {
    int twips;
};

// The rectangle in pixels.
constexpr QRect Twips(Links links, Boven boven, int breedte, int hoogte)
{
    return {Px(links.twips), Px(boven.twips), Px(breedte), Px(hoogte)};
}

// Moves the control to its place; a width and height fix its size, a width
// alone its width, neither keeps the size it has.
void ZetPlaats(QWidget* control, Links links, Boven boven, int breedte = 0, int hoogte = 0);

template <class Control>
Control* Plaats(Control* control, Links links, Boven boven, int breedte = 0, int hoogte = 0)
{
    ZetPlaats(control, links, boven, breedte, hoogte);
    return control;
}

// The inside of a window whose outer size, caption and border included, is
// the given twips.
QSize Binnenmaat(int breedte, int hoogte);
// Gives a window that outer size.
void ZetVenstermaat(QWidget* venster, int breedte, int hoogte);

// Controls the windows build again and again. A label without a size takes
// the size of its text.
QLabel* NieuwLabel(QWidget* parent, const QString& tekst, Links links, Boven boven, int breedte = 0, int hoogte = 0);
// The sunken panel that stands behind a row of buttons.
QLabel* NieuwPaneel(QWidget* parent, Links links, Boven boven, int breedte, int hoogte);
QPushButton* NieuweKnop(QWidget* parent, const QString& tekst, Links links, Boven boven, int breedte, int hoogte);
QFrame* NieuwFrame(QWidget* parent, Links links, Boven boven, int breedte, int hoogte);
