// "Naar Pdf-formaat" without the name box and the viewer: a full invoice with
// the sample logo and background written as one A4 page, through a temporary
// file that takes the old one's place once it is on the disk, as a save does;
// the second argument puts the payment code on it.
#include "invoice/algemeen.h"
#include "output/factuur_naar_pdf.h"
#include "platform/files.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void FullInvoice(benchmark::State& state)
{
    QTemporaryDir map;
    Factuur f;
    ZetStandaardwaarden(f);
    f.LayoutNr = static_cast<std::uint8_t>(state.range(0));
    f.FactuurDatum = QStringLiteral("08-12-2026");
    for (int i = 0; i < Factuur::kRegels; ++i) {
        f.Aantal[i] = QStringLiteral("%1-12").arg(i + 1, 2, 10, QLatin1Char('0'));
        f.Omschrijving[i] = QStringLiteral("Ontwerp en opmaak, regel %1 (€)").arg(i + 1);
        f.Prijs[i] = QStringLiteral("%1,50").arg(10 * i + 7);
    }
    HerberekenFactuur(f);
    if (state.range(1)) {
        f.Bedrijf.Bedrijfsnaam = QStringLiteral("Korpela B.V.");
        f.Bedrijf.Iban = QStringLiteral("NL91ABNA0417164300");
        f.Bedrijf.BetaalQr = true;
    }
    PdfBronnen b;
    b.afzender = f.AfzenderTekst.split(QStringLiteral("\r\n")) << QString();
    b.adres = f.AdresTekst.split(QStringLiteral("\r\n")) << QString();
    const char* kop[] = {"", "Datum", "Omschrijving", "Ex.Btw", "Btw 21%", "Totaal", "Ex.Btw", "Btw 21%",
                         "Totaal", "", "2090,00", "438,90", "2528,90"};
    for (int i = 0; i < 13; ++i)
        b.Kop[i] = QString::fromLatin1(kop[i]);
    // The sample pictures the build lays out beside the executable.
    b.programmaMap = QStringLiteral(QUILLET_PROGRAM_DIR);
    const QString pad = map.filePath(QStringLiteral("factuur.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::VervangBestand(
            pad, [&](const QString& tijdelijk) { return FactuurNaarPdf(f, tijdelijk, QStringLiteral("factuur"), b); }));
}
BENCHMARK(FullInvoice)->ArgsProduct({{1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
