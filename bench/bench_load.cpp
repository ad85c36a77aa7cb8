// The main window's load step as a user waits for it: defaults, the settings
// file, the layout, the logo and background pictures, the page preview.
#include "invoice/settings_file.h"
#include "platform/prompts.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class GeenVragen : public platform::Prompts {
public:
    bool Vraag(const QString&, const QString&) override { return false; }
    void Melding(const QString&, const QString&) override {}
    std::optional<QString> Invoer(const QString&, const QString&, const QString&) override { return {}; }
};

void LoadStep(benchmark::State& state)
{
    QTemporaryDir map;
    for (const char* sub : {"Logo", "Backgrounds", "Facturen", "Adressen"})
        QDir(map.path()).mkpath(QString::fromLatin1(sub));
    const QString bron = QStringLiteral(QUILLET_PROGRAM_DIR);
    QFile::copy(bron + "/Logo/voorbeeld-1.bmp", map.path() + "/Logo/voorbeeld-1.bmp");
    QFile::copy(bron + "/Backgrounds/olifant.bmp", map.path() + "/Backgrounds/olifant.bmp");
    Factuur standaard;
    ZetStandaardwaarden(standaard);
    standaard.LayoutNr = 1;
    SchrijfInstellingen(standaard, map.path() + "/Quillet.ini");

    GeenVragen prompts;
    for (auto _ : state) {
        Factuur factuur;
        Main venster(factuur, prompts, map.path());
        venster.show();
        QApplication::processEvents();  // the first paint of the page
        benchmark::DoNotOptimize(factuur.LayoutNr);
        venster.hide();
    }
}
BENCHMARK(LoadStep)->Unit(benchmark::kMillisecond);

}  // namespace
