#pragma once

#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;
struct Factuur;

// Controls the dialogs build again and again, placed in twips (left, top,
// width, height) inside their parent.

QLabel* NieuwLabel(QWidget* parent, const QString& tekst, int left, int top);
// The sunken panel that stands behind a row of buttons.
QLabel* NieuwPaneel(QWidget* parent, int left, int top, int width, int height);
QPushButton* NieuweKnop(QWidget* parent, const QString& tekst, int left, int top, int width, int height);
QFrame* NieuwFrame(QWidget* parent, int left, int top, int width, int height);

// The window and its frame take the colour scheme of the invoice.
void KleurSchemaToepassen(QWidget* venster, QWidget* frame, const Factuur& f);
