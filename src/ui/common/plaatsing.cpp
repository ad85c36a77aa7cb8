#include "ui/common/plaatsing.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// A fixed window frame: 4 pixels of border on each side and a caption of 23.
constexpr int kRandBreedte = 8;
constexpr int kTitelHoogte = 23;

template <typename T>
T* Omlijnd(QWidget* parent, int stijl, Links links, Boven boven, int breedte, int hoogte)
{
    auto* w = new T(parent);
    w->setFrameStyle(stijl);
    return Plaats(w, links, boven, breedte, hoogte);
}

}  // namespace

void ZetPlaats(QWidget* control, Links links, Boven boven, int breedte, int hoogte)
{
    control->move(Px(links.twips), Px(boven.twips));
    if (breedte > 0 && hoogte > 0)
        control->setFixedSize(Px(breedte), Px(hoogte));
    else if (breedte > 0)
        control->setFixedWidth(Px(breedte));
}

QSize Binnenmaat(int breedte, int hoogte)
{
    return {Px(breedte) - kRandBreedte, Px(hoogte) - kRandBreedte - kTitelHoogte};
}

void ZetVenstermaat(QWidget* venster, int breedte, int hoogte)
{
    venster->setFixedSize(Binnenmaat(breedte, hoogte));
}

QLabel* NieuwLabel(QWidget* parent, const QString& tekst, Links links, Boven boven, int breedte, int hoogte)
{
    auto* label = new QLabel(tekst, parent);
    label->setTextFormat(Qt::PlainText);
    Plaats(label, links, boven, breedte, hoogte);
    if (breedte == 0)
        label->adjustSize();
    return label;
}

QLabel* NieuwPaneel(QWidget* parent, Links links, Boven boven, int breedte, int hoogte)
{
    return Omlijnd<QLabel>(parent, QFrame::Panel | QFrame::Sunken, links, boven, breedte, hoogte);
}

QPushButton* NieuweKnop(QWidget* parent, const QString& tekst, Links links, Boven boven, int breedte, int hoogte)
{
    auto* knop = new QPushButton(tekst, parent);
    knop->setAutoDefault(false);
    return Plaats(knop, links, boven, breedte, hoogte);
}

QFrame* NieuwFrame(QWidget* parent, Links links, Boven boven, int breedte, int hoogte)
{
    return Omlijnd<QFrame>(parent, QFrame::Box | QFrame::Sunken, links, boven, breedte, hoogte);
}
