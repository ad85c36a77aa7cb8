// "Naar e-factuur (UBL)" without the dialogs: a full invoice with the sample
// logo and background, its PDF page made, base64-encoded and written inside
// the XML.
#include "app/efactuur_export.h"
#include "einvoice/ubl_factuur.h"
#include "platform/prompts.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class Stil : public platform::Prompts {
public:
    bool Vraag(const QString&, const QString&) override { return true; }
    void Melding(const QString&, const QString&) override {}
    std::optional<QString> Invoer(const QString&, const QString&, const QString&) override
    {
        return QStringLiteral("factuur");
    }
};

void FullEinvoice(benchmark::State& state)
{
    QTemporaryDir map;
    Factuur f;
    ZetStandaardwaarden(f);
    f.FactuurDatum = QStringLiteral("08-12-2026");
    f.Bedrijf.Bedrijfsnaam = QStringLiteral("Korpela B.V.");
    f.Bedrijf.BtwNummer = QStringLiteral("NL123456789B01");
    f.Bedrijf.Iban = QStringLiteral("NL91ABNA0417164300");
    for (int i = 0; i < Factuur::kRegels; ++i) {
        f.Aantal[i] = QStringLiteral("%1-12").arg(i + 1, 2, 10, QLatin1Char('0'));
        f.Omschrijving[i] = QStringLiteral("Ontwerp en opmaak, regel %1 (€)").arg(i + 1);
        f.Prijs[i] = QStringLiteral("%1,50").arg(10 * i + 7);
    }
    PdfBronnen b;
    b.afzender = f.AfzenderTekst.split(QStringLiteral("\r\n")) << QString();
    b.adres = f.AdresTekst.split(QStringLiteral("\r\n")) << QString();
    b.programmaMap = QStringLiteral(QUILLET_PROGRAM_DIR);   // the sample pictures
    Stil prompts;
    const KlantVraag zoVoorgesteld = [](const Klantgegevens& k) { return std::optional<Klantgegevens>(k); };
    for (auto _ : state)
        benchmark::DoNotOptimize(NaarEfactuur(f, b, map.path(), prompts, zoVoorgesteld));
}
BENCHMARK(FullEinvoice)->Unit(benchmark::kMillisecond);

// The bytes alone: the page and the XML around it, without the disk.
void EinvoiceBytes(benchmark::State& state)
{
    Factuur f;
    ZetStandaardwaarden(f);
    f.FactuurDatum = QStringLiteral("08-12-2026");
    for (int i = 0; i < Factuur::kRegels; ++i) {
        f.Omschrijving[i] = QStringLiteral("Ontwerp en opmaak, regel %1 (€)").arg(i + 1);
        f.Prijs[i] = QStringLiteral("%1,50").arg(10 * i + 7);
    }
    PdfBronnen b;
    b.programmaMap = QStringLiteral(QUILLET_PROGRAM_DIR);
    Klantgegevens k = KlantUitAdres(f.AdresTekst);
    for (auto _ : state) {
        const auto pdf = FactuurPdf(f, QStringLiteral("factuur"), b, 0);
        benchmark::DoNotOptimize(UblFactuur(f, k, {QStringLiteral("factuur.pdf"), *pdf}, std::nullopt));
    }
}
BENCHMARK(EinvoiceBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
