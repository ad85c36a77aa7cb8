#include "ui/common/kleuren.h"

#include "invoice/factuur.h"

#include <QWidget>

#include <algorithm>

void ZetAchtergrondKleur(QWidget* w, const QColor& kleur)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, kleur);
    w->setPalette(p);
}

void ZetVakKleur(QWidget* w, const QColor& kleur)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, kleur);
    w->setPalette(p);
}

QColor SchemaKleur(const Factuur& f)
{
    // A settings file may hold any 16-bit value; a colour part holds 0 to 255.
    auto deel = [](int waarde) { return std::clamp(waarde, 0, 255); };
    return QColor(deel(f.KleurR), deel(f.KleurG), deel(f.KleurB));
}

void KleurSchemaToepassen(QWidget* venster, QWidget* frame, const Factuur& f)
{
    ZetAchtergrondKleur(venster, SchemaKleur(f));
    ZetAchtergrondKleur(frame, SchemaKleur(f));
}
