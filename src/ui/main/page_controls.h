#pragma once

#include <QLabel>
#include <QTextEdit>

// The elements on the page preview react to a double-click by name; the
// window decides what it opens.

class PaginaLabel : public QLabel {
    Q_OBJECT
public:
    explicit PaginaLabel(QWidget* parent);
    // Shows a text that holds CR LF line breaks and grows to fit it.
    void ToonTekst(const QString& tekst);
    void ZetFontGrootte(double punten);

signals:
    void dubbelKlik();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A borderless multi-line text box; its displayed lines are what the output prints.
class PaginaTekstvak : public QTextEdit {
    Q_OBJECT
public:
    explicit PaginaTekstvak(QWidget* parent);
    void ToonTekst(const QString& tekst);
    QString Tekst() const;       // with CR LF line breaks
    double TekstBreedte() const; // the width its lines wrap at

signals:
    void dubbelKlik();

protected:
    bool event(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

QString MetRegeleinden(const QString& tekst);  // CR LF to the toolkit's line breaks
QString MetCrLf(const QString& tekst);         // the toolkit's line breaks to CR LF
