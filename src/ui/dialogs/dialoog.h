#pragma once

#include <QColor>

class QWidget;
struct Factuur;

// What every dialog of the program shares: geometry given in twips, 15 to a
// pixel at the 96 DPI the windows are drawn for, and the colour scheme.

constexpr int Px(int twips)
{
    return twips / 15;
}

// Places a control at left, top (twips, in the control's parent); a width
// and height of 0 keep the control's own size.
void ZetGeometrie(QWidget* w, int left, int top, int width = 0, int height = 0);

// Gives a dialog the outer size of the given twips, caption and border included.
void ZetVenstermaat(QWidget* venster, int width, int height);

void ZetAchtergrondKleur(QWidget* w, const QColor& kleur);
// The colour behind the text of a text box or list box.
void ZetVakKleur(QWidget* w, const QColor& kleur);

QColor SchemaKleur(const Factuur& f);
