#include "ui/main/palette.h"

#include "invoice/algemeen.h"
#include "ui/common/pagina_font.h"
#include "ui/common/plaatsing.h"
#include "ui/main/main_window.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int kVeldBreedte = 16;
constexpr int kVeldHoogte = 13;
constexpr int kKolommen = 12;
constexpr int kRijen = 13;

// Soft colours that suit a window background, the default scheme first.
const QColor kSchemaKleuren[kKolommen] = {
    {240, 250, 140}, {255, 255, 255}, {255, 240, 200}, {250, 220, 200}, {255, 210, 225}, {230, 210, 250},
    {200, 215, 255}, {190, 235, 250}, {190, 245, 220}, {215, 245, 180}, {225, 225, 210}, {236, 233, 216},
};

QColor Veldkleur(int kolom, int rij)
{
    if (rij == 0) {
        const int grijs = 255 - kolom * 255 / (kKolommen - 1);   // white to black
        return {grijs, grijs, grijs};
    }
    if (rij == 1)
        return kSchemaKleuren[kolom];
    // Eleven shades of each of twelve hues, from nearly white to deep.
    const int tint = kolom * 30;
    const int licht = 235 - (rij - 2) * 18;
    return QColor::fromHsl(tint, 200, licht);
}

}  // namespace

QImage PaletPlaatje()
{
    QImage plaatje(kKolommen * kVeldBreedte, kRijen * kVeldHoogte, QImage::Format_RGB32);
    QPainter p(&plaatje);
    for (int rij = 0; rij < kRijen; ++rij)
        for (int kolom = 0; kolom < kKolommen; ++kolom)
            p.fillRect(kolom * kVeldBreedte, rij * kVeldHoogte, kVeldBreedte, kVeldHoogte, Veldkleur(kolom, rij));
    return plaatje;
}

QString KleurHint(const QColor& kleur)
{
    return QStringLiteral(" %1,%2,%3 / #%4 ")
        .arg(kleur.red())
        .arg(kleur.green())
        .arg(kleur.blue())
        .arg(RgbNaarHex(kleur.red(), kleur.green(), kleur.blue()));
}

Kleuren::Kleuren(Main& main, Factuur& factuur)
    : QDialog(&main), main(main), factuur(factuur), plaatje(PaletPlaatje())
{
    setWindowTitle(QStringLiteral("Kleurenpalet"));
    setFixedSize(Px(3195), Px(3225));

    KnopBack = new QLabel(this);
    Plaats(KnopBack, Links{0}, Boven{0}, 3195, 3225);
    Picture2 = new QFrame(this);
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Plaats(Picture2, Links{90}, Boven{90}, 3000, 2660);
    Picture1 = new QLabel(Picture2);
    Plaats(Picture1, Links{30}, Boven{30}, 2880, 2540);
    Picture1->setPixmap(QPixmap::fromImage(plaatje));
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);

    Picture3 = new QLabel(QStringLiteral("Klik met de linkermuistoets op een kleur."), this);
    Picture3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture3->setContentsMargins(3, 2, 0, 0);
    // Small enough for the whole sentence within the strip's border.
    Picture3->setFont(PaginaFont(7.5));
    Plaats(Picture3, Links{90}, Boven{2790}, 3000, 315);
}

void Kleuren::Picture1_MouseMove(const QPoint& plek)
{
    if (!plaatje.valid(plek))
        return;
    const QString hint = KleurHint(plaatje.pixelColor(plek));
    Picture1->setToolTip(hint);
    if (QToolTip::isVisible())
        QToolTip::showText(Picture1->mapToGlobal(plek), hint, Picture1);
}

void Kleuren::Picture1_MouseDown(const QPoint& plek)
{
    if (!plaatje.valid(plek))
        return;
    const QColor kleur = plaatje.pixelColor(plek);
    main.KleurenToepassen(kleur.red(), kleur.green(), kleur.blue());
    factuur.KleurR = static_cast<std::int16_t>(kleur.red());
    factuur.KleurG = static_cast<std::int16_t>(kleur.green());
    factuur.KleurB = static_cast<std::uint8_t>(kleur.blue());
    accept();
}

bool Kleuren::eventFilter(QObject* object, QEvent* event)
{
    if (object != Picture1)
        return false;
    if (event->type() == QEvent::MouseMove)
        Picture1_MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
    else if (event->type() == QEvent::MouseButtonPress)
        Picture1_MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
    return false;
}
