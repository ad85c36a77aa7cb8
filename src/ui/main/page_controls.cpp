#include "ui/main/page_controls.h"

#include "ui/common/pagina_font.h"

#include <QMouseEvent>

QString MetRegeleinden(const QString& tekst)
{
    QString uit = tekst;
    uit.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return uit;
}

QString MetCrLf(const QString& tekst)
{
    QString uit = tekst;
    uit.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return uit;
}

PaginaLabel::PaginaLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(PaginaFont(8.25));
    setMargin(0);
}

void PaginaLabel::ToonTekst(const QString& tekst)
{
    setText(MetRegeleinden(tekst));
    adjustSize();
}

void PaginaLabel::ZetFontGrootte(double punten)
{
    setFont(PaginaFont(punten));
    adjustSize();
}

void PaginaLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit dubbelKlik();
}

PaginaTekstvak::PaginaTekstvak(QWidget* parent) : QTextEdit(parent)
{
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptRichText(false);
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setLineWrapMode(QTextEdit::WidgetWidth);
    document()->setDocumentMargin(1);
    viewport()->setCursor(Qt::ArrowCursor);
    setFont(PaginaFont(8.25));
}

void PaginaTekstvak::ToonTekst(const QString& tekst)
{
    setPlainText(MetRegeleinden(tekst));
}

QString PaginaTekstvak::Tekst() const
{
    return MetCrLf(toPlainText());
}

double PaginaTekstvak::TekstBreedte() const
{
    return width() - 2 * document()->documentMargin();
}

// The mouse rests on the viewport, not on the box: the viewport wears the
// box's hint, or the hint never shows.
bool PaginaTekstvak::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTipChange)
        viewport()->setToolTip(toolTip());
    return QTextEdit::event(event);
}

void PaginaTekstvak::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit dubbelKlik();
}
