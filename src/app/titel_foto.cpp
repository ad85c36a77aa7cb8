#include "app/titel_foto.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// A ridge line across the picture: a few slow waves added up, so hills look
// irregular without any randomness.
QPainterPath Heuvelrug(const QSize& maat, double basis, double hoogte, double fase, double tot)
{
    QPainterPath rug;
    rug.moveTo(0, tot);
    for (int x = 0; x <= maat.width(); x += 2) {
        const double t = x / static_cast<double>(maat.width());
        const double golf = std::sin(t * 7.1 + fase) * 0.45 + std::sin(t * 17.3 + fase * 2) * 0.2
                          + std::sin(t * 41.0 + fase * 3) * 0.06;
        // The hills rise towards the right; the left stays low for the texts.
        rug.lineTo(x, basis - hoogte * t * t * (1.2 + golf));
    }
    rug.lineTo(maat.width(), tot);
    rug.closeSubpath();
    return rug;
}

void Lucht(QPainter& p, const QSize& maat, double horizon)
{
    QLinearGradient lucht(0, 0, 0, horizon);
    lucht.setColorAt(0, QColor(196, 214, 236));
    lucht.setColorAt(0.55, QColor(236, 236, 236));
    lucht.setColorAt(1, QColor(252, 238, 214));
    p.fillRect(QRectF(0, 0, maat.width(), horizon), lucht);

    const QPointF zon(maat.width() * 0.79, horizon - 40);
    QRadialGradient gloed(zon, 170);
    gloed.setColorAt(0, QColor(255, 246, 214, 240));
    gloed.setColorAt(0.25, QColor(255, 236, 200, 120));
    gloed.setColorAt(1, QColor(255, 236, 200, 0));
    p.fillRect(QRectF(0, 0, maat.width(), horizon), gloed);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 251, 236));
    p.drawEllipse(zon, 15, 15);
}

void Water(QPainter& p, const QSize& maat, double horizon)
{
    QLinearGradient water(0, horizon, 0, maat.height());
    water.setColorAt(0, QColor(244, 236, 222));
    water.setColorAt(1, QColor(200, 214, 230));
    p.fillRect(QRectF(0, horizon, maat.width(), maat.height() - horizon), water);

    // The sun's path on the water: short strokes that thin out towards us.
    const double x = maat.width() * 0.79;
    for (int i = 0; i < 34; ++i) {
        const double y = horizon + 3 + i * 3.2;
        const double breedte = 30 - i * 0.6 + std::sin(i * 2.3) * 6;
        p.fillRect(QRectF(x - breedte / 2 + std::sin(i * 1.7) * 5, y, breedte, 1.2), QColor(255, 250, 232, 170 - i * 4));
    }
}

void Bos(QPainter& p, const QSize& maat, double horizon)
{
    QPainterPath bos;
    bos.moveTo(maat.width() * 0.6, horizon + 2);
    for (int x = static_cast<int>(maat.width() * 0.6); x <= maat.width(); x += 5) {
        const double top = horizon - 6 - (x - maat.width() * 0.6) * 0.09 - std::fabs(std::sin(x * 0.37)) * 14;
        bos.lineTo(x, top + 10);
        bos.lineTo(x + 2.5, top);
    }
    bos.lineTo(maat.width(), horizon + 2);
    bos.closeSubpath();
    p.setBrush(QColor(96, 112, 116));
    p.drawPath(bos);
    // Its reflection, softer and upside down.
    p.save();
    p.translate(0, 2 * horizon + 4);
    p.scale(1, -1);
    p.setOpacity(0.22);
    p.drawPath(bos);
    p.restore();
}

void Boot(QPainter& p, const QPointF& plek)
{
    QPainterPath romp;
    romp.moveTo(plek + QPointF(-22, 0));
    romp.lineTo(plek + QPointF(22, 0));
    romp.quadTo(plek + QPointF(16, 7), plek + QPointF(0, 7));
    romp.quadTo(plek + QPointF(-16, 7), plek + QPointF(-22, 0));
    p.setBrush(QColor(70, 74, 80));
    p.drawPath(romp);
    p.drawEllipse(plek + QPointF(2, -6), 3.5, 5);   // the rower
    p.setPen(QPen(QColor(70, 74, 80), 1.2));
    p.drawLine(plek + QPointF(-14, 8), plek + QPointF(18, -4));
    p.setPen(Qt::NoPen);
}

void Riet(QPainter& p, const QSize& maat)
{
    for (int i = 0; i < 60; ++i) {
        const double x = maat.width() * 0.66 + i * 2.9 + std::sin(i * 5.1) * 3;
        const double lengte = 24 + std::fabs(std::sin(i * 2.7)) * 36;
        const double buig = std::sin(i * 1.3) * 8;
        QPainterPath halm;
        halm.moveTo(x, maat.height());
        halm.quadTo(x + buig / 3, maat.height() - lengte / 2, x + buig, maat.height() - lengte);
        p.setPen(QPen(QColor(84, 92, 78, 210), 1.1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(halm);
    }
    p.setPen(Qt::NoPen);
}

// Mist over the water and a soft veil over the left, where the texts stand.
void Nevel(QPainter& p, const QSize& maat, double horizon)
{
    QLinearGradient nevel(0, horizon - 30, 0, horizon + 30);
    nevel.setColorAt(0, QColor(255, 255, 255, 0));
    nevel.setColorAt(0.5, QColor(255, 255, 255, 150));
    nevel.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, horizon - 30, maat.width(), 60), nevel);

    QLinearGradient sluier(0, 0, maat.width() * 0.68, 0);
    sluier.setColorAt(0, QColor(255, 255, 255, 120));
    sluier.setColorAt(0.8, QColor(255, 255, 255, 60));
    sluier.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, maat.width() * 0.68, maat.height()), sluier);
}

// A little grain, as a film photo has; a fixed sequence keeps the picture the same.
void Korrel(QImage& foto)
{
    std::uint32_t zaad = 20110101;
    for (int y = 0; y < foto.height(); ++y) {
        auto* regel = reinterpret_cast<QRgb*>(foto.scanLine(y));
        for (int x = 0; x < foto.width(); ++x) {
            zaad = zaad * 1664525u + 1013904223u;
            const int ruis = static_cast<int>(zaad >> 29) - 4;
            auto kanaal = [ruis](int c) { return std::clamp(c + ruis, 0, 255); };
            regel[x] = qRgb(kanaal(qRed(regel[x])), kanaal(qGreen(regel[x])), kanaal(qBlue(regel[x])));
        }
    }
}

}  // namespace

QImage TitelFoto(const QSize& maat)
{
    QImage foto(maat, QImage::Format_RGB32);
    const double horizon = maat.height() * 0.66;
    QPainter p(&foto);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    Lucht(p, maat, horizon);
    p.setBrush(QColor(208, 214, 226));
    p.drawPath(Heuvelrug(maat, horizon, 70, 0.4, horizon));
    p.setBrush(QColor(174, 184, 200));
    p.drawPath(Heuvelrug(maat, horizon, 42, 2.1, horizon));
    Water(p, maat, horizon);
    Bos(p, maat, horizon);
    Boot(p, QPointF(maat.width() * 0.86, horizon + 46));
    Riet(p, maat);
    Nevel(p, maat, horizon);
    p.end();
    Korrel(foto);
    return foto;
}

QCursor BriefAanwijzer()
{
    QPixmap beeld(32, 32);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath pijl;
    pijl.moveTo(1, 1);
    pijl.lineTo(1, 17);
    pijl.lineTo(5, 13);
    pijl.lineTo(8, 20);
    pijl.lineTo(11, 19);
    pijl.lineTo(8, 12);
    pijl.lineTo(13, 12);
    pijl.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(pijl);

    const QRectF brief(13, 18, 17, 11);
    p.setBrush(QColor(255, 246, 214));
    p.setPen(QPen(QColor(192, 64, 0), 1.2));
    p.drawRect(brief);
    p.drawLine(brief.topLeft(), brief.center() + QPointF(0, 1));
    p.drawLine(brief.topRight(), brief.center() + QPointF(0, 1));
    p.end();
    return QCursor(beeld, 1, 1);
}
