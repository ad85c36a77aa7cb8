// The Facturenboek at the size of a long working life, 10,000 documents:
// the window opened and filled, a filter and a search, a quarter's VAT
// return, and the recording that an export adds (CPU apart from the sync
// the disk takes: the wall time says what the sync adds).
#include "boek/btw_aangifte.h"
#include "boek/facturenboek.h"
#include "boek/uitgeven.h"
#include "ui/dialogs/boek_model.h"
#include "ui/dialogs/facturenboek_venster.h"

#include "boek/boek_fixture.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

constexpr int kDocumenten = 10'000;
const QDate kVandaag(2027, 1, 14);

// Ten thousand snapshots over three years, a tenth of them credit notes,
// taken in by the book as it opens (one transaction).
struct Boek {
    TempProgramFolder map;
    Factuur factuur;
    ScriptedPrompts prompts;
    std::unique_ptr<Facturenboek> boek;

    Boek()
    {
        ZetStandaardwaarden(factuur);
        Facturenboek leeg(map.path());
        leeg.Open();
        const QString snapshots = leeg.SnapshotMap();
        for (int i = 0; i < kDocumenten; ++i) {
            const QDate datum = QDate(2024, 1, 1).addDays(i * 3 * 365 / kDocumenten);
            Factuur f = TestFactuur(QStringLiteral("%1-%2").arg(datum.year()).arg(i, 5, 10, QLatin1Char('0')),
                                    datum.toString("dd-MM-yyyy"), {i % 10 == 0 ? "-45,50" : "120", "35,25"},
                                    i % 7 == 0 ? 9 : 21);
            f.AdresTekst = QStringLiteral("Klant %1\r\nStraat 1\r\n1234 AB, Ede").arg(i % 400);
            if (i % 10 == 0)
                f.BetreftNummer = QStringLiteral("2024-00001");
            const Uitgifte u = UitgifteVan(f, KlantUitAdres(f.AdresTekst), QDateTime(datum, QTime(9, 0)));
            QFile bestand(snapshots + "/" + u.nummer + ".uitgifte");
            bestand.open(QIODevice::WriteOnly);
            bestand.write(SnapshotBytes(u));
        }
        boek = std::make_unique<Facturenboek>(map.path());
        boek->Open();
    }
};

Boek& Gedeeld()
{
    static Boek boek;
    return boek;
}

void VensterOpenen(benchmark::State& state)
{
    Boek& b = Gedeeld();
    for (auto _ : state) {
        FacturenboekVenster venster(*b.boek, b.factuur, b.prompts, kVandaag);
        benchmark::DoNotOptimize(venster.Model()->rowCount());
    }
    state.counters["rijen"] = double(b.boek->Regels().size());
}
BENCHMARK(VensterOpenen)->Unit(benchmark::kMillisecond);

void FilterEnZoeken(benchmark::State& state)
{
    Boek& b = Gedeeld();
    FacturenboekVenster venster(*b.boek, b.factuur, b.prompts, kVandaag);
    int keer = 0;
    for (auto _ : state) {
        if (state.range(0) == 0)
            venster.StatusKeuze->setCurrentIndex(keer++ % 4);
        else
            venster.Zoeken->setText(keer++ % 2 ? QStringLiteral("klant 12") : QStringLiteral("2025-0"));
        benchmark::DoNotOptimize(venster.Model()->rowCount());
    }
}
BENCHMARK(FilterEnZoeken)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void KwartaalAangifte(benchmark::State& state)
{
    Boek& b = Gedeeld();
    const auto regels = b.boek->Regels();
    for (auto _ : state)
        benchmark::DoNotOptimize(BerekenAangifte(regels, 2025, 4));
}
BENCHMARK(KwartaalAangifte)->Unit(benchmark::kMillisecond);

// One issue after the output: the facts and page of the invoice, the
// snapshot and the kept PDF written, the row committed.
void Vastleggen(benchmark::State& state)
{
    Boek& b = Gedeeld();
    const QByteArray pdf(120 * 1024, 'p');
    int nummer = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Factuur f = TestFactuur(QStringLiteral("2027-%1").arg(++nummer, 5, 10, QLatin1Char('0')), "14-01-2027",
                                {"120", "35,25"});
        state.ResumeTiming();
        LegUitgifteVast(*b.boek, UitgifteVan(f, KlantUitAdres(f.AdresTekst), QDateTime::currentDateTime()),
                        {pdf, {}, QStringLiteral("Printer")}, b.prompts);
    }
    if (!b.prompts.gevraagd.empty())
        state.SkipWithError(b.prompts.gevraagd.back().tekst.toStdString().c_str());
}
BENCHMARK(Vastleggen)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

namespace {

// The first use in a session: the database opened and checked, the
// snapshot folder compared with it, the rows read.
void BoekOpenen(benchmark::State& state)
{
    Boek& b = Gedeeld();
    for (auto _ : state) {
        Facturenboek boek(b.map.path());
        benchmark::DoNotOptimize(boek.Open());
    }
}
BENCHMARK(BoekOpenen)->Unit(benchmark::kMillisecond);

}  // namespace
