#include "background/doek.h"

#include "ui/common/pagina_font.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

Doek::Doek(QSize maat, QColor blanco, QWidget* parent)
    : QWidget(parent), beeld(maat, QImage::Format_RGB32), blanco(blanco)
{
    setFixedSize(maat);
    beeld.fill(blanco);
}

void Doek::Toon(const QImage& nieuw)
{
    beeld = nieuw.convertToFormat(QImage::Format_RGB32);
    update();
}

void Doek::Wis(const QString& tekst, QPoint plek)
{
    beeld.fill(blanco);
    if (!tekst.isEmpty()) {
        QPainter p(&beeld);
        p.setFont(PaginaFont(8));
        p.setPen(Qt::black);
        // The point is the top-left corner of the first character cell.
        p.drawText(plek + QPoint(0, QFontMetrics(p.font()).ascent()), tekst);
    }
    update();
}

void Doek::WitVlak(QPoint linksBoven, QPoint rechtsOnder)
{
    QPainter(&beeld).fillRect(QRect(linksBoven, rechtsOnder), Qt::white);
    update();
}

void Doek::Verschuif(QPoint verschuiving)
{
    const QImage kopie = beeld.copy();
    QPainter(&beeld).drawImage(verschuiving, kopie);
    update();
}

void Doek::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, beeld);
}

void Doek::mousePressEvent(QMouseEvent* event)
{
    emit muisOmlaag(event->buttons(), event->position().toPoint());
}

void Doek::mouseMoveEvent(QMouseEvent* event)
{
    emit muisBeweegt(event->buttons(), event->position().toPoint());
}

void Doek::mouseReleaseEvent(QMouseEvent*)
{
    emit muisOmhoog();
}
