#include "ui/main/page_preview.h"

#include "invoice/factuur.h"
#include "output/betaal_qr.h"
#include "ui/common/pagina_font.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

const QColor kLogoAchtergrond(230, 230, 230);
const QColor kLijnKleur(140, 140, 140);
const QRect kShape1(176, 117, 195 - 1, 64 - 1);  // the frame around the address

// The lines editor opens from anywhere over the description column's body,
// however short its text: the width of its caption, the height of its lines.
QSize OmschrijfVlak()
{
    return {QFontMetrics(PaginaFont(8.25)).horizontalAdvance(QStringLiteral("Omschrijving v/d factuur")),
            Factuur::kRegels * QFontMetrics(PaginaFont(6)).lineSpacing()};
}

}  // namespace

Pagina::Pagina(QWidget* parent) : QWidget(parent)
{
    setFixedSize(400, 600);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    LogoLabel = NieuwLabel({4, 4}, 8.25, QStringLiteral("Dubbelklik om logo te laden"));
    LogoLabel->setFixedSize(kLogoMaat);
    LogoLabel->setAutoFillBackground(true);
    QPalette logo = LogoLabel->palette();
    logo.setColor(QPalette::Window, kLogoAchtergrond);
    LogoLabel->setPalette(logo);

    LabelAfz = new PaginaTekstvak(this);
    LabelAfz->setGeometry(20, 88, 140, 74);
    LabelAfz->setFont(PaginaFont(7));
    LabelAfz->setToolTip(QStringLiteral("Mijn gegevens"));

    FactuurLabel = NieuwLabel({20, 170}, 7, QStringLiteral("Factuurdatum en nummer"));
    // A credit note says so between the logo and the address frame.
    CreditnotaLabel = NieuwLabel({182, 87}, 9);
    QFont vet = CreditnotaLabel->font();
    vet.setBold(true);
    CreditnotaLabel->setFont(vet);
    CreditnotaLabel->hide();
    BetreftLabel = NieuwLabel({182, 102}, 7);
    BetreftLabel->hide();

    AdresRechthoek = new PaginaTekstvak(this);
    AdresRechthoek->setGeometry(182, 120, 185, 58);
    AdresRechthoek->setToolTip(QStringLiteral("Adres gegevens"));

    DatumLabel = NieuwLabel({8, 226}, 8.25);
    OmschrijfLabel = NieuwLabel({58, 226}, 8.25, QStringLiteral("Omschrijving factuur"));
    OmschrijfLabel->setMinimumSize(OmschrijfVlak());
    PrijsExBtwLabel = NieuwLabel({358, 226}, 8.25);
    BtwLabel = NieuwLabel({314, 226}, 8.25);
    PrijsTotaalLabel = NieuwLabel({358, 226}, 8.25);
    BottomLabel = NieuwLabel({10, 565}, 7, QStringLiteral("Voettekst"));

    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12})
        Kop[i] = NieuwLabel({8, 204}, 8.25);
    BetaalQrLabel = NieuwLabel({betaalqr::kPaginaLinks, betaalqr::kPaginaBoven}, 5, QStringLiteral("Bedrijfsgegevens"));
    BetaalQrLabel->hide();
    // Between the rules of the description column, under the totals row of
    // layout 1 and left of the stacked totals of layout 2.
    BtwGevalLabel = NieuwLabel({54, 542}, 6);
    BtwGevalLabel->hide();
    VerkopersLabel = NieuwLabel({10, 588}, 6, QStringLiteral("Bedrijfsgegevens"));   // under the footer's two lines
    VerkopersLabel->hide();
    Kop[6]->ToonTekst(QStringLiteral("Ex.Btw"));
    Kop[8]->ToonTekst(QStringLiteral("Totaal"));
}

PaginaLabel* Pagina::NieuwLabel(QPoint plek, double punten, const QString& hint)
{
    auto* label = new PaginaLabel(this);
    label->move(plek);
    label->setFont(PaginaFont(punten));
    label->setToolTip(hint);
    return label;
}

void Pagina::PasIndelingToe(const PaginaIndeling& indeling)
{
    for (int i = 1; i <= 12; ++i) {
        if (!Kop[i])
            continue;
        const KopPlaats& plaats = indeling.Kop[i];
        if (plaats.fontGrootte > 0)
            Kop[i]->ZetFontGrootte(plaats.fontGrootte);
        if (plaats.tekst)
            Kop[i]->ToonTekst(*plaats.tekst);
        if (plaats.zichtbaar)
            Kop[i]->move(plaats.plaats);
        Kop[i]->setVisible(plaats.zichtbaar);
    }
    lijnen_ = indeling.Lijn;
    PrijsExBtwLabel->move(indeling.prijsLinks, PrijsExBtwLabel->y());
    BtwLabel->setVisible(indeling.btwKolommen);
    PrijsTotaalLabel->setVisible(indeling.btwKolommen);
    update();
}

void Pagina::ZetAchtergrond(const QImage& plaatje)
{
    achtergrond_ = plaatje;
    update();
}

void Pagina::ZetAchtergrondHoogte(int hoogte)
{
    backLabel_.setHeight(hoogte);
    update();
}

void Pagina::ZetLogo(const QImage& logo, QSize maat)
{
    QPixmap vak(kLogoMaat);
    vak.fill(kLogoAchtergrond);
    QPainter p(&vak);   // without smoothing: the pixels are copied, not blended
    p.drawImage(QRect(QPoint(0, 0), maat), logo);
    p.end();
    LogoLabel->setPixmap(vak);
}

void Pagina::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!achtergrond_.isNull())
        p.drawImage(backLabel_, achtergrond_);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(kShape1);
    p.setPen(QPen(kLijnKleur, 1));
    for (const LijnPlaats& lijn : lijnen_)
        if (lijn.zichtbaar)
            p.drawLine(lijn.lijn);
}

void Pagina::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (backLabel_.contains(event->position().toPoint()))
        emit achtergrondDubbelKlik();
}

bool Pagina::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (backLabel_.contains(help->pos()))
            QToolTip::showText(help->globalPos(), QStringLiteral("Dubbelklik om achtergrond te laden"), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
