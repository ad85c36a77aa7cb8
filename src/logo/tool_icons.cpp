#include "logo/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace {

constexpr int kMaat = 32;
const QColor kInkt(30, 30, 30);
const QColor kVulling(250, 210, 40);

void VrijeLijn(QPainter& p)
{
    QPainterPath pad(QPointF(4, 24));
    pad.cubicTo(10, 2, 16, 30, 22, 12);
    pad.quadTo(25, 5, 28, 8);
    p.drawPath(pad);
}

void RechteLijn(QPainter& p)
{
    p.drawLine(5, 27, 27, 5);
}

void Rechthoek(QPainter& p)
{
    p.drawRect(5, 8, 22, 16);
}

void GevuldeRechthoek(QPainter& p)
{
    p.setBrush(kVulling);
    Rechthoek(p);
}

void Ellips(QPainter& p)
{
    p.drawEllipse(4, 8, 24, 16);
}

void GevuldeEllips(QPainter& p)
{
    p.setBrush(kVulling);
    Ellips(p);
}

void Emmer(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{6, 12}, {16, 4}, {25, 14}, {15, 23}}));
    p.setBrush(kVulling);
    p.drawEllipse(QPointF(26, 24), 3, 4);
    p.drawLine(6, 12, 24, 22);
}

void Spray(QPainter& p)
{
    p.setBrush(QColor(120, 120, 140));
    p.drawRoundedRect(3, 14, 9, 15, 2, 2);
    p.drawRect(5, 10, 5, 4);
    const QPoint druppels[] = {{16, 9}, {19, 5}, {21, 11}, {24, 7}, {26, 13}, {23, 3}, {28, 9}, {19, 14}};
    for (const QPoint d : druppels)
        p.drawPoint(d);
}

void Gum(QPainter& p)
{
    p.setBrush(QColor(240, 150, 160));
    p.drawPolygon(QPolygonF({{4, 20}, {16, 8}, {27, 15}, {15, 27}}));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{4, 20}, {9, 15}, {20, 22}, {15, 27}}));
}

void Pipet(QPainter& p)
{
    p.setBrush(kInkt);
    p.drawEllipse(QPointF(24, 8), 4, 4);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{20, 9}, {23, 12}, {9, 26}, {5, 27}, {6, 23}}));
}

void KleurCirkels(QPainter& p)
{
    const QColor kleuren[] = {QColor(220, 40, 40), QColor(40, 160, 60), QColor(40, 80, 220)};
    const QPoint middens[] = {{10, 12}, {21, 11}, {15, 22}};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(kleuren[i], 2));
        p.drawEllipse(middens[i], 6, 6);
    }
}

void Foto(QPainter& p)
{
    p.setBrush(QColor(170, 210, 240));
    p.drawRect(3, 6, 26, 20);
    p.setBrush(kVulling);
    p.drawEllipse(QPointF(22, 12), 3, 3);
    p.setBrush(QColor(60, 140, 70));
    p.drawPolygon(QPolygonF({{4, 25}, {12, 14}, {18, 21}, {21, 18}, {28, 25}}));
}

using Tekening = void (*)(QPainter&);
constexpr std::array<Tekening, 12> kTekeningen = {VrijeLijn, RechteLijn, Rechthoek, GevuldeRechthoek,
                                                   Ellips,    GevuldeEllips, Emmer,   Spray,
                                                   Gum,       Pipet,      KleurCirkels, Foto};

}  // namespace

QIcon GereedschapIcoon(int index)
{
    QPixmap plaatje(kMaat, kMaat);
    plaatje.fill(Qt::transparent);
    if (index >= 0 && index < static_cast<int>(kTekeningen.size())) {
        QPainter p(&plaatje);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kInkt, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        kTekeningen[index](p);
    }
    return QIcon(plaatje);
}
