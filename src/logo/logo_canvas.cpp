#include "logo/logo_canvas.h"

#include "logo/beeld_pixels.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <cmath>

namespace {

QFrame* NieuweOmtrek(QWidget* parent)
{
    auto* omtrek = new QFrame(parent);
    omtrek->setFrameStyle(QFrame::Box | QFrame::Plain);
    omtrek->setLineWidth(1);
    omtrek->setAttribute(Qt::WA_TransparentForMouseEvents);
    omtrek->hide();
    return omtrek;
}

// Mouse positions in whole canvas pixels, also outside the canvas while a
// button is held.
QPoint CanvasPunt(const QMouseEvent* event)
{
    const QPointF p = event->position();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

}  // namespace

LogoCanvas::LogoCanvas(QWidget* parent)
    : QWidget(parent), vlak(Breedte, Hoogte, Qt::white), gereedschappen(MaakGereedschappen())
{
    setFixedSize(Breedte, Hoogte);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::CrossCursor);
    vlak.setUnit(platform::Surface::Unit::Pixels);
    vlak.setFontName(QStringLiteral("Arial"));

    Gom = NieuweOmtrek(this);
    Gom->resize(staat.GumGrootte, staat.GumGrootte);
    Layer = NieuweOmtrek(this);
    Label12 = new QLabel(QStringLiteral("Tekstregel"), this);
    Label12->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label12->setMargin(0);
    Label12->hide();
}

void LogoCanvas::ZetBeeld(const QImage& beeld)
{
    vlak.setImage(beeld);
    update();
}

void LogoCanvas::Wis()
{
    QImage leeg(Breedte, Hoogte, QImage::Format_RGB32);
    leeg.fill(Qt::white);
    ZetBeeld(leeg);
}

void LogoCanvas::MaakBackup()
{
    backup = vlak.image();
}

void LogoCanvas::Undo()
{
    if (!backup.isNull())
        ZetBeeld(backup);
}

void LogoCanvas::Bewerk(const std::function<void(imaging::Pixels&)>& bewerking)
{
    const QPointer<LogoCanvas> zelf(this);
    imaging::Pixels pixels = NaarPixels(vlak.image());
    bewerking(pixels);
    if (!zelf)
        return;
    ZetBeeld(NaarBeeld(pixels));
}

void LogoCanvas::ZetTekenBreedte(int pixels)
{
    tekenBreedte = pixels;
    vlak.setDrawWidth(pixels);
}

void LogoCanvas::KiesGereedschap(int nummer)
{
    staat.Gereedschap = nummer;
    Gom->setVisible(nummer == 9);
}

void LogoCanvas::ZetGumGrootte(int pixels)
{
    staat.GumGrootte = pixels;
    Gom->resize(pixels, pixels);
}

void LogoCanvas::ToonLayer(const QRect& rechthoek)
{
    Layer->setGeometry(rechthoek);
    Layer->show();
}

void LogoCanvas::Herstel()
{
    staat.Gereedschap = 0;
    staat.TekstPlaatsen = false;
    Gom->hide();
    Label12->hide();
    Layer->hide();
}

TekenGereedschap* LogoCanvas::Huidig() const
{
    const int nummer = staat.Gereedschap;
    return nummer > 0 && nummer < static_cast<int>(gereedschappen.size()) ? gereedschappen[nummer].get() : nullptr;
}

void LogoCanvas::PlaatsGom(QPoint p)
{
    Gom->move(p.x() - staat.GumGrootte, p.y() - staat.GumGrootte);
}

void LogoCanvas::Voorkant_MouseDown(Qt::MouseButton knop, QPoint p)
{
    MaakBackup();
    staat.StartX = p.x();
    staat.StartY = p.y();
    PlaatsGom(p);
    ZetTekenBreedte(lijndikte);
    if (TekenGereedschap* g = Huidig()) {
        if (knop == Qt::LeftButton)
            g->LinksNeer(*this, p);
        else if (knop == Qt::RightButton)
            g->RechtsNeer(*this, p);
    }
    update();
}

void LogoCanvas::Voorkant_MouseMove(Qt::MouseButtons knoppen, QPoint p)
{
    Label12->move(p.x() - Label12->width() - 5, p.y() - Label12->height() - 5);
    emit coordinaten(p.x(), p.y());
    PlaatsGom(p);
    if (knoppen != Qt::LeftButton)
        return;
    if (TekenGereedschap* g = Huidig())
        g->LinksSleept(*this, p);
    staat.VorigeX = p.x();
    staat.VorigeY = p.y();
    update();
}

void LogoCanvas::Voorkant_MouseUp(Qt::MouseButton knop, QPoint p)
{
    // Text is printed in copy mode too, whatever tool was chosen meanwhile.
    vlak.setDrawMode(platform::Surface::DrawMode::Copy);
    if (staat.TekstPlaatsen) {
        PlaatsTekst(p);
    } else if (knop == Qt::LeftButton) {
        if (TekenGereedschap* g = Huidig())
            g->LinksOp(*this, p);
    }
    ZetTekenBreedte(1);
    Layer->hide();
    update();
}

void LogoCanvas::PlaatsTekst(QPoint p)
{
    const int cX = p.x() - Label12->width() - 5;
    const int cY = p.y() - Label12->height() - 5;
    emit tekstPlaatsen(cX, cY);
    Label12->hide();
    staat.TekstPlaatsen = false;
}

void LogoCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, vlak.image());
}

void LogoCanvas::mousePressEvent(QMouseEvent* event)
{
    Voorkant_MouseDown(event->button(), CanvasPunt(event));
}

void LogoCanvas::mouseMoveEvent(QMouseEvent* event)
{
    Voorkant_MouseMove(event->buttons(), CanvasPunt(event));
}

void LogoCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    Voorkant_MouseUp(event->button(), CanvasPunt(event));
}

void LogoCanvas::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Z && (event->modifiers() & Qt::ControlModifier))
        Undo();
    else
        QWidget::keyPressEvent(event);
}
