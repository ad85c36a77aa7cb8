#pragma once

// Voorkant, the 625 x 125 canvas of the logo designer: a persistent image
// that every tool draws on, the undo picture, and three overlays (the eraser
// outline Gom, the rubber band Layer and the text preview Label12) that move
// over the image without ever entering it.

#include "logo/gereedschap.h"
#include "logo/tekenstaat.h"
#include "platform/image_surface.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;

class LogoCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breedte = 625;
    static constexpr int Hoogte = 125;

    explicit LogoCanvas(QWidget* parent = nullptr);

    TekenStaat& Staat() { return staat; }
    platform::ImageSurface& Vlak() { return vlak; }

    QImage Beeld() { return vlak.image(); }
    // A picture of another size is scaled to the canvas.
    void ZetBeeld(const QImage& beeld);
    // Only the background colour remains.
    void Wis();
    void Ververs() { update(); }

    // The undo picture becomes a copy of the canvas.
    void MaakBackup();
    // The canvas becomes the undo picture; before the first snapshot there is
    // nothing to go back to.
    void Undo();

    // Runs an operation on the canvas's pixels and shows the result. The
    // operation may process window events; if the canvas is gone by the time
    // it returns, the result is dropped.
    void Bewerk(const std::function<void(imaging::Pixels&)>& bewerking);

    // Slider1's value: it takes effect at the next mouse down.
    void ZetLijndikte(int pixels) { lijndikte = pixels; }
    int TekenBreedte() const { return tekenBreedte; }
    void ZetTekenBreedte(int pixels);

    void KiesGereedschap(int nummer);
    void ZetGumGrootte(int pixels);
    void ToonLayer(const QRect& rechthoek);
    // Hides the overlays and leaves text placement ("Nieuw").
    void Herstel();

    // Called by the tools for what the window shows or asks.
    void MeldKleurGekozen() { emit kleurGekozen(); }
    void VraagFoto(QPoint van, QPoint tot) { emit fotoGevraagd(van.x(), van.y(), tot.x(), tot.y()); }

    QFrame* Gom;
    QFrame* Layer;
    QLabel* Label12;

signals:
    void coordinaten(int x, int y);
    void kleurGekozen();
    void fotoGevraagd(int x1, int y1, int x2, int y2);
    // Text placement ends here: print the text with its top-left at (cX, cY).
    void tekstPlaatsen(int cX, int cY);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Voorkant_MouseDown(Qt::MouseButton knop, QPoint p);
    void Voorkant_MouseMove(Qt::MouseButtons knoppen, QPoint p);
    void Voorkant_MouseUp(Qt::MouseButton knop, QPoint p);
    void PlaatsTekst(QPoint p);
    void RondMuisactieAf();
    void PlaatsGom(QPoint p);
    TekenGereedschap* Huidig() const;

    platform::ImageSurface vlak;
    QImage backup;
    TekenStaat staat;
    Gereedschappen gereedschappen;
    int lijndikte = 2;
    int tekenBreedte = 1;
};
