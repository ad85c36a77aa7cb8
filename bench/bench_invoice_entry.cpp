// What a user of the invoice entry waits for: the lines editor opening and
// confirming twenty lines, the open dialog listing a full "Facturen" folder,
// and a full invoice opened and recomputed.
#include "invoice/algemeen.h"
#include "invoice/invoice_file.h"
#include "ui/dialogs/omschrijf.h"
#include "ui/dialogs/openfac.h"
#include "ui/main/main_window.h"

#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

Factuur VolleFactuur()
{
    Factuur f;
    ZetStandaardwaarden(f);
    for (int i = 0; i < Factuur::kRegels; ++i) {
        f.Aantal[i] = QStringLiteral("%1-03").arg(i + 1, 2, 10, QLatin1Char('0'));
        f.Omschrijving[i] = QStringLiteral("Werkzaamheden aan project %1, inclusief reiskosten").arg(i);
        f.Prijs[i] = QStringLiteral("%1,95").arg(100 + i);
    }
    return f;
}

struct Programma {
    TempProgramFolder map;
    Factuur factuur = VolleFactuur();
    ScriptedPrompts prompts;
    std::unique_ptr<Main> main = std::make_unique<Main>(factuur, prompts, map.path());

    Programma()
    {
        const QByteArray bytes = FactuurBytes(VolleFactuur());
        for (int i = 0; i < 1000; ++i)
            map.write(QStringLiteral("Facturen/Factuur %1.fac").arg(i), bytes);
    }
};

Programma& Gedeeld()
{
    static Programma programma;
    return programma;
}

void LinesEditorOpenAndOk(benchmark::State& state)
{
    Programma& p = Gedeeld();
    for (auto _ : state) {
        Omschrijf o(*p.main, p.factuur, p.prompts);
        o.OkKnop_Click();
        benchmark::DoNotOptimize(p.factuur.TotaalInclBtw);
    }
}
BENCHMARK(LinesEditorOpenAndOk)->Unit(benchmark::kMillisecond);

void OpenDialogOnAThousandInvoices(benchmark::State& state)
{
    Programma& p = Gedeeld();
    for (auto _ : state) {
        Openfac o(*p.main, p.factuur, p.prompts, p.map.path());
        benchmark::DoNotOptimize(o.File1.size());
    }
}
BENCHMARK(OpenDialogOnAThousandInvoices)->Unit(benchmark::kMillisecond);

void OpenAndRecomputeAnInvoice(benchmark::State& state)
{
    Programma& p = Gedeeld();
    const QString pad = p.map.file(QStringLiteral("Facturen/Factuur 7.fac"));
    for (auto _ : state) {
        LeesFactuur(p.factuur, pad);
        HerberekenFactuur(p.factuur);
        p.main->ToonKolommen();
        benchmark::DoNotOptimize(p.factuur.TotaalInclBtw);
    }
}
BENCHMARK(OpenAndRecomputeAnInvoice)->Unit(benchmark::kMicrosecond);

}  // namespace
