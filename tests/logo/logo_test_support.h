#pragma once

// Helpers for the logo designer's tests: mouse drags on the canvas and
// comparisons of canvas pictures.

#include "invoice/factuur.h"
#include "logo/logo_canvas.h"
#include "logo/logo_form.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <deque>
#include <initializer_list>
#include <memory>
#include <ostream>

// Readable strings in the test failures.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace logotest {

// QTest takes the point (0, 0) for "the middle of the widget"; the tests
// stay away from it.
inline void Sleep(QWidget* w, QPoint van, std::initializer_list<QPoint> via, QPoint tot,
                  Qt::MouseButton knop = Qt::LeftButton)
{
    QTest::mousePress(w, knop, {}, van);
    for (const QPoint p : via)
        QTest::mouseMove(w, p);
    QTest::mouseRelease(w, knop, {}, tot);
}

inline void Sleep(QWidget* w, QPoint van, QPoint tot, Qt::MouseButton knop = Qt::LeftButton)
{
    Sleep(w, van, {tot}, tot, knop);
}

inline void Klik(QWidget* w, QPoint p, Qt::MouseButton knop = Qt::LeftButton)
{
    QTest::mousePress(w, knop, {}, p);
    QTest::mouseRelease(w, knop, {}, p);
}

// A move with no button held, which QTest cannot send to a widget off screen.
inline void Beweeg(QWidget* w, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline QImage Effen(const QColor& kleur, QSize maat = {LogoCanvas::Breedte, LogoCanvas::Hoogte})
{
    QImage beeld(maat, QImage::Format_RGB32);
    beeld.fill(kleur);
    return beeld;
}

// Every pixel a colour of its own position, so any misplaced pixel shows.
inline QImage Verloop()
{
    QImage beeld(LogoCanvas::Breedte, LogoCanvas::Hoogte, QImage::Format_RGB32);
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x)
            beeld.setPixel(x, y, qRgb((x * 7) & 255, (y * 13 + x) & 255, (x * y) & 255));
    return beeld;
}

// The smallest rectangle holding every pixel that differs; empty when none does.
inline QRect Verschil(const QImage& a, const QImage& b)
{
    QRect gebied;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                gebied |= QRect(x, y, 1, 1);
    return gebied;
}

inline int AantalVerschillend(const QImage& a, const QImage& b)
{
    int aantal = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            aantal += a.pixel(x, y) != b.pixel(x, y);
    return aantal;
}

inline QRgb Op(LogoCanvas& c, int x, int y)
{
    return c.Beeld().pixel(x, y) & 0xFFFFFF;
}

inline QRgb Rgb24(const QColor& k)
{
    return k.rgb() & 0xFFFFFF;
}

// The designer on a fresh program folder, with scripted answers.
struct Venster {
    TempProgramFolder map;
    Factuur factuur;
    ScriptedPrompts prompts;
    std::unique_ptr<LogoForm> form;
    Venster() { form = std::make_unique<LogoForm>(factuur, prompts, map.path()); }

    void Bewaar(const QString& naam, std::deque<bool> antwoorden = {})
    {
        prompts.invoer.push_back(naam);
        prompts.antwoorden = std::move(antwoorden);
        form->FileSave_Click();
    }
    // Double-clicks the name in the list; false when it is not listed once.
    bool Open(const QString& naam)
    {
        const auto gevonden = form->List1->findItems(naam, Qt::MatchExactly);
        if (gevonden.size() != 1)
            return false;
        form->List1->setCurrentItem(gevonden.front());
        form->List1_DblClick();
        return true;
    }
    QStringList Lijst() const
    {
        QStringList namen;
        for (int i = 0; i < form->List1->count(); ++i)
            namen << form->List1->item(i)->text();
        return namen;
    }
};

}  // namespace logotest
