#include "ui/dialogs/besturing.h"

#include "ui/dialogs/dialoog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

template <typename T>
T* Omlijnd(QWidget* parent, int stijl, int left, int top, int width, int height)
{
    auto* w = new T(parent);
    w->setFrameStyle(stijl);
    ZetGeometrie(w, left, top, width, height);
    return w;
}

}  // namespace

QLabel* NieuwLabel(QWidget* parent, const QString& tekst, int left, int top)
{
    auto* label = new QLabel(tekst, parent);
    label->setTextFormat(Qt::PlainText);
    ZetGeometrie(label, left, top);
    label->adjustSize();
    return label;
}

QLabel* NieuwPaneel(QWidget* parent, int left, int top, int width, int height)
{
    return Omlijnd<QLabel>(parent, QFrame::Panel | QFrame::Sunken, left, top, width, height);
}

QPushButton* NieuweKnop(QWidget* parent, const QString& tekst, int left, int top, int width, int height)
{
    auto* knop = new QPushButton(tekst, parent);
    knop->setAutoDefault(false);
    ZetGeometrie(knop, left, top, width, height);
    return knop;
}

QFrame* NieuwFrame(QWidget* parent, int left, int top, int width, int height)
{
    return Omlijnd<QFrame>(parent, QFrame::Box | QFrame::Sunken, left, top, width, height);
}

void KleurSchemaToepassen(QWidget* venster, QWidget* frame, const Factuur& f)
{
    ZetAchtergrondKleur(venster, SchemaKleur(f));
    ZetAchtergrondKleur(frame, SchemaKleur(f));
}
