#pragma once

#include <QColor>

class QWidget;
struct Factuur;

// The colours the windows share: the invoice's colour scheme behind every
// window, and the colour of the boxes one types a date or a code into.

inline const QColor kInvoerKleur(220, 230, 230);

void ZetAchtergrondKleur(QWidget* w, const QColor& kleur);
// The colour behind the text of a text box or list box.
void ZetVakKleur(QWidget* w, const QColor& kleur);

QColor SchemaKleur(const Factuur& f);
// The window and its frame take the colour scheme of the invoice.
void KleurSchemaToepassen(QWidget* venster, QWidget* frame, const Factuur& f);
