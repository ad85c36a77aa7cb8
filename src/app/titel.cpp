#include "app/titel.h"

#include "app/titel_foto.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "platform/wachten.h"
#include "ui/common/bezige_muis.h"
#include "ui/common/pagina_font.h"
#include "ui/common/plaatsing.h"

#include <QApplication>
#include <QMouseEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kStrookBreedte = 240;
constexpr int kStrookHoogte = 16;
const QColor kMakerKleur(192, 64, 0);

// A label whose text starts at the top left of its rectangle.
QLabel* Tekstvlak(QWidget* parent, const QRect& plaats, const QString& tekst)
{
    auto* label = new QLabel(tekst, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(plaats);
    return label;
}

const QString kMakerTekst = QStringLiteral(
    "Quillet is ontwikkeld door Averno, 2011.\n"
    "Meer software: www.averno.example\n"
    "Vragen of opmerkingen? Schrijf ons gerust:\n"
    "e-mail:");

}  // namespace

Titel::Titel(const QString& programmaBestand, const Scherm& scherm, platform::Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), prompts(prompts), resolutie(Resolutie(scherm))
{
    setWindowTitle(QStringLiteral("Quillet start"));
    MaakVenster();
    move(screen()->availableGeometry().center() - rect().center());
    Label1->setText(FeitenTekst(programmaBestand, scherm).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    PrintAanwijzing();
}

void Titel::MaakVenster()
{
    setFixedSize(Px(kBreedte), Px(kHoogte));
    setFont(PaginaFont(8));

    Image1 = new QLabel(this);
    Image1->setGeometry(rect());
    Image1->setPixmap(QPixmap::fromImage(TitelFoto(size())));

    Label3 = Tekstvlak(this, Twips(Links{300}, Boven{300}, 3150, 900), kMakerTekst);
    Label4 = Tekstvlak(this, Twips(Links{990}, Boven{885}, 0, 0), kMakerEmail);
    Label4->adjustSize();
    QPalette oranje = Label4->palette();
    oranje.setColor(QPalette::WindowText, kMakerKleur);
    Label4->setPalette(oranje);
    Label4->setCursor(BriefAanwijzer());

    Label1 = Tekstvlak(this, Twips(Links{300}, Boven{2100}, 4200, 2100), QString());
    KlokLabel = Tekstvlak(this, Twips(Links{1485}, Boven{3870}, 3000, 240), QStringLiteral("00:00:00"));

    Label2 = new QLabel(this);
    Label2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label2->setGeometry(Twips(Links{240}, Boven{4260}, 3690, 330));
    Picture1 = new QLabel(this);
    Picture1->setGeometry(Twips(Links{285}, Boven{4305}, 3600, 240));

    for (QLabel* klikbaar : {Image1, Label1, Label4})
        klikbaar->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(600);
    connect(Timer1, &QTimer::timeout, this, &Titel::Timer1_Timer);
    Timer1->start();
}

void Titel::PrintAanwijzing()
{
    strook = QImage(kStrookBreedte, kStrookHoogte, QImage::Format_RGB32);
    strook.fill(QColor(64, 0, 0));
    QPainter p(&strook);
    p.setFont(font());
    p.setPen(QColor(192, 192, 192));
    p.drawText(QRect(3, 1, kStrookBreedte, kStrookHoogte), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Klik op de foto om te beginnen..."));
    p.end();
    Picture1->setPixmap(QPixmap::fromImage(strook));
}

void Titel::KleurKolom(int kolom)
{
    for (int rij = 0; rij < kStrookHoogte; ++rij)
        strook.setPixelColor(kolom, rij, AnimatieKleur(kolom, rij));
    Picture1->setPixmap(QPixmap::fromImage(strook));
}

void Titel::Image1_Click()
{
    {
        BezigeMuis bezig;
        for (int kolom = 0; kolom <= kStrookBreedte; ++kolom) {
            if (kolom < kStrookBreedte)
                KleurKolom(kolom);
            platform::Wachten(0.01);
        }
        platform::Wachten(0.2);
    }
    // Closed meanwhile: by the user, who chose not to start after all, or by
    // a click during the strip whose own run has handed over already.
    if (!isVisible())
        return;
    Timer1->stop();
    close();
    emit hoofdvensterGevraagd();
}

void Titel::Label1_Click()
{
    Image1_Click();
}

void Titel::Label4_Click()
{
    platform::OpenMetShell(QStringLiteral("mailto:") + kMakerEmail);
}

void Titel::Timer1_Timer()
{
    KlokLabel->setText(KlokTekst(QDateTime::currentDateTime()));
}

void Titel::Form_Activate()
{
    if (gewaarschuwd)
        return;
    gewaarschuwd = true;
    if (const auto waarschuwing = ResolutieWaarschuwing(resolutie))
        prompts.Fout(QStringLiteral(" Error"), *waarschuwing);
}

bool Titel::event(QEvent* event)
{
    // The message must not stand in the way of the window's first paint.
    if (event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(this, &Titel::Form_Activate, Qt::QueuedConnection);
    return QWidget::event(event);
}

bool Titel::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* muis = static_cast<QMouseEvent*>(event);
    auto* label = static_cast<QLabel*>(object);
    if (muis->button() != Qt::LeftButton || !label->rect().contains(muis->position().toPoint()))
        return false;
    if (label == Label4)
        Label4_Click();
    else if (label == Label1)
        Label1_Click();
    else
        Image1_Click();
    return true;
}
