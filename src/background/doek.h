#pragma once

#include <QImage>
#include <QWidget>

// The visible canvas of the background designer. Everything drawn on it goes
// into its image, which survives repaints and is what gets saved; mouse
// presses, moves and releases are handed to the window.
class Doek : public QWidget {
    Q_OBJECT
public:
    Doek(QSize maat, QColor blanco, QWidget* parent);

    const QImage& Beeld() const { return beeld; }
    void Toon(const QImage& nieuw);
    // The blank paper, with a text printed at a pixel position when one is given.
    void Wis(const QString& tekst = {}, QPoint plek = {});
    // A white box from one corner to the other, both included, clipped at the edges.
    void WitVlak(QPoint linksBoven, QPoint rechtsOnder);
    // The picture copied and painted back moved by the offset; the strip the
    // move uncovers keeps what it held.
    void Verschuif(QPoint verschuiving);

signals:
    void muisOmlaag(Qt::MouseButtons knoppen, QPoint plek);
    void muisBeweegt(Qt::MouseButtons knoppen, QPoint plek);
    void muisOmhoog();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage beeld;
    QColor blanco;
};
