// The background designer's blend on its canvas size (460 x 410), as each
// move of the transparency scroll bar runs it. Target: under 2 ms.

#include "imaging/transparant.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace imaging;

Pixels Willekeurig(unsigned seed)
{
    std::mt19937 gen(seed);
    std::vector<std::uint8_t> bytes(460 * 410 * 4);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(gen());
    return Pixels(460, 410, bytes.data());
}

void BM_MaakTransparant(benchmark::State& state)
{
    const Pixels blanco = Willekeurig(1);
    const Pixels plaatje = Willekeurig(2);
    const int t = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Pixels doek = MaakTransparant(blanco, plaatje, t);
        benchmark::DoNotOptimize(doek.Data());
    }
}
BENCHMARK(BM_MaakTransparant)->Arg(0)->Arg(30)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
