// What a user of the logo designer waits for: each tool from mouse down to
// the canvas painted again, text with shadow and border, a photo import and
// every item of the Filters and Kader menus. Target: each well under 50 ms.

#include "invoice/factuur.h"
#include "logo/logo_form.h"

#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <random>

namespace {

void Muis(QWidget* w, QEvent::Type soort, QPoint p, Qt::MouseButton knop, Qt::MouseButtons knoppen)
{
    QMouseEvent e(soort, p, w->mapToGlobal(p), knop, knoppen, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Down, one move and up, then the canvas painted as the screen would.
void Sleep(LogoCanvas& c, QPoint van, QPoint tot)
{
    Muis(&c, QEvent::MouseButtonPress, van, Qt::LeftButton, Qt::LeftButton);
    Muis(&c, QEvent::MouseMove, tot, Qt::NoButton, Qt::LeftButton);
    Muis(&c, QEvent::MouseButtonRelease, tot, Qt::LeftButton, Qt::NoButton);
    benchmark::DoNotOptimize(c.grab());
}

QImage Ruis()
{
    std::mt19937 gen(42);
    QImage beeld(LogoCanvas::Breedte, LogoCanvas::Hoogte, QImage::Format_RGB32);
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x)
            beeld.setPixel(x, y, gen());
    return beeld;
}

struct Ontwerper {
    TempProgramFolder map;
    Factuur factuur;
    ScriptedPrompts prompts;
    LogoForm form{factuur, prompts, map.path()};
};

void Tool(benchmark::State& state)
{
    LogoCanvas c;
    c.KiesGereedschap(static_cast<int>(state.range(0)));
    c.ZetLijndikte(10);
    for (auto _ : state) {
        c.ZetBeeld(Ruis());
        Sleep(c, {20, 20}, {600, 110});
    }
}
BENCHMARK(Tool)->DenseRange(1, 11)->Unit(benchmark::kMillisecond);

// The fill runs through every row of a comb of one-pixel teeth: the most
// separate stretches a canvas can hold in one area.
void FloodFillComb(benchmark::State& state)
{
    QImage kam(LogoCanvas::Breedte, LogoCanvas::Hoogte, QImage::Format_RGB32);
    kam.fill(Qt::white);
    QPainter(&kam).fillRect(QRect(0, 1, LogoCanvas::Breedte, LogoCanvas::Hoogte - 1), Qt::black);
    for (int x = 0; x < LogoCanvas::Breedte; x += 2)
        QPainter(&kam).fillRect(x, 1, 1, LogoCanvas::Hoogte - 1, Qt::white);
    LogoCanvas c;
    c.KiesGereedschap(7);
    c.Staat().VulStijl = static_cast<int>(state.range(0));
    for (auto _ : state) {
        c.ZetBeeld(kam);
        Sleep(c, {10, 0}, {10, 0});
    }
}
BENCHMARK(FloodFillComb)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond);

void TextWithShadowAndBorder(benchmark::State& state)
{
    Ontwerper o;
    o.form.Text1->setText(QStringLiteral("Bakkerij Korpela"));
    o.form.ComboSize->setCurrentText(QStringLiteral("72"));
    o.form.Check1->setChecked(true);
    o.form.Check2->setChecked(true);
    for (auto _ : state) {
        o.form.PlaatsKnop_Click();
        Sleep(*o.form.Voorkant, {600, 120}, {600, 120});
    }
}
BENCHMARK(TextWithShadowAndBorder)->Unit(benchmark::kMillisecond);

// A camera photo of the given width (4:3) stretched over the whole canvas.
void Photo(benchmark::State& state)
{
    Ontwerper o;
    const int breedte = static_cast<int>(state.range(0));
    QImage foto(breedte, breedte * 3 / 4, QImage::Format_RGB32);
    QPainter p(&foto);
    QLinearGradient verloop(0, 0, breedte, breedte);
    verloop.setColorAt(0, Qt::darkBlue);
    verloop.setColorAt(1, Qt::yellow);
    p.fillRect(foto.rect(), verloop);
    p.end();
    const QString pad = o.map.file(QStringLiteral("foto.jpg"));
    foto.save(pad, "JPEG", 90);
    o.form.KiesFotoBestand = [&] { return pad; };
    for (auto _ : state) {
        o.form.Knop_Click(11);
        Sleep(*o.form.Voorkant, {1, 1}, {624, 124});
    }
}
BENCHMARK(Photo)->Arg(1600)->Arg(4000)->Unit(benchmark::kMillisecond);

// EditConvert(0..17) by index (5 and 8 are submenus), then the flips and frames.
void MenuItem(benchmark::State& state)
{
    Ontwerper o;
    const int item = static_cast<int>(state.range(0));
    for (auto _ : state) {
        o.form.Voorkant->ZetBeeld(Ruis());
        if (item < 18)
            o.form.EditConvert_Click(item);
        else if (item < 22)
            o.form.EditFlipConvert_Click(item - 18);
        else
            o.form.Kader_Click(5);
        benchmark::DoNotOptimize(o.form.Voorkant->grab());
    }
}
BENCHMARK(MenuItem)->DenseRange(0, 22)->Unit(benchmark::kMillisecond);

void ContrastAndSwap(benchmark::State& state)
{
    Ontwerper o;
    for (auto _ : state) {
        o.form.Voorkant->ZetBeeld(Ruis());
        o.form.EditContrastConvert_Click(1);
        o.form.EditSwap_Click(3);
        benchmark::DoNotOptimize(o.form.Voorkant->grab());
    }
}
BENCHMARK(ContrastAndSwap)->Unit(benchmark::kMillisecond);

}  // namespace
