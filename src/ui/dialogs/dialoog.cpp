#include "ui/dialogs/dialoog.h"

#include "invoice/factuur.h"

#include <QWidget>

#include <algorithm>

namespace {

// A fixed dialog frame: 4 pixels of border on each side and a caption of 23.
constexpr int kRandBreedte = 8;
constexpr int kTitelHoogte = 23;

}  // namespace

void ZetGeometrie(QWidget* w, int left, int top, int width, int height)
{
    w->move(Px(left), Px(top));
    if (width > 0 && height > 0)
        w->setFixedSize(Px(width), Px(height));
}

void ZetVenstermaat(QWidget* venster, int width, int height)
{
    venster->setFixedSize(Px(width) - kRandBreedte, Px(height) - kRandBreedte - kTitelHoogte);
}

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
