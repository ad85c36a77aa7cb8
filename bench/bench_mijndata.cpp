// What a user of Mijndata waits for: the dialog opening on a large address
// book, the line count on "Ok", and a logo chosen by a double-click.
#include "invoice/address_file.h"
#include "ui/dialogs/mijndata.h"
#include "ui/main/main_window.h"

#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QListWidget>
#include <benchmark/benchmark.h>

namespace {

struct Programma {
    TempProgramFolder map;
    Factuur factuur;
    ScriptedPrompts prompts;
    std::unique_ptr<Main> main;

    Programma()
    {
        const QString bron = QStringLiteral(QUILLET_PROGRAM_DIR);
        QFile::copy(bron + "/Logo/voorbeeld-1.bmp", map.file("Logo/voorbeeld-1.bmp"));
        for (int i = 0; i < 1000; ++i)
            map.write(QStringLiteral("Adressen/Klant %1.adr").arg(i), AdresBytes(QStringLiteral("Klant\r\nStraat 1")));
        main = std::make_unique<Main>(factuur, prompts, map.path());
    }

    Mijndata Open(int modus)
    {
        factuur.MijndataModus = static_cast<std::uint8_t>(modus);
        return Mijndata(*main, factuur, prompts, map.path());
    }
};

Programma& Gedeeld()
{
    static Programma programma;
    return programma;
}

void OpenAddressBookOfAThousand(benchmark::State& state)
{
    Programma& p = Gedeeld();
    for (auto _ : state) {
        Mijndata d = p.Open(2);
        d.OpenKnop_Click();
        benchmark::DoNotOptimize(d.List1->count());
    }
}
BENCHMARK(OpenAddressBookOfAThousand)->Unit(benchmark::kMillisecond);

void OkCountsSixSenderLines(benchmark::State& state)
{
    Programma& p = Gedeeld();
    const QString tekst = QStringLiteral("Korpela B.V.\r\nLindeplein 59\r\n7701 KL, Dalmere\r\nKvk : 123456\r\n"
                                         "Rabobank :912345678\r\nwww.korpela.example");
    for (auto _ : state) {
        Mijndata d = p.Open(1);
        d.ZetTekst(tekst);
        d.OkKnop_Click();
    }
}
BENCHMARK(OkCountsSixSenderLines)->Unit(benchmark::kMillisecond);

void DoubleClickChoosesTheLogo(benchmark::State& state)
{
    Programma& p = Gedeeld();
    for (auto _ : state) {
        Mijndata d = p.Open(4);
        d.List1->setCurrentRow(0);
        d.List1_DblClick();
    }
}
BENCHMARK(DoubleClickChoosesTheLogo)->Unit(benchmark::kMillisecond);

}  // namespace
