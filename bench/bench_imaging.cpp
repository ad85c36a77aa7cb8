// Every filter of the Filters menu and the canvas operations on a logo-sized
// image (625 x 125), with the menu's parameters. Target: each under 1 ms,
// the whole catalogue under 10 ms.

#include "imaging/canvas_paint.h"
#include "imaging/filter_engine.h"
#include "imaging/mirrors.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace imaging;

Pixels LogoBeeld()
{
    std::mt19937 gen(42);
    std::vector<std::uint8_t> bytes(625 * 125 * 4);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(gen());
    return Pixels(625, 125, bytes.data());
}

struct MenuFilter {
    int nr;
    std::int32_t param;
};

constexpr MenuFilter Catalogus[] = {
    {Sharpen, 10},   {Negative, 0},  {Blur, 0},       {Defuse, 6},    {Edge, 1},
    {Contour, 16777215}, {Grayscale, 0}, {Relief, 0}, {LightDark, 4}, {Pixelize, 3},
    {SwapColors, 1}, {Contrast, 10}, {Scattered, 15}, {Aquarel, 0},   {AddNoise, 50},
};

void BM_Filter(benchmark::State& state)
{
    const MenuFilter f = Catalogus[state.range(0)];
    // Each round filters the previous result, as a user applying the item
    // again would; the cost does not depend on the picture.
    Pixels beeld = LogoBeeld();
    Filters filters;
    for (auto _ : state) {
        filters.FilterToepassen(f.nr, beeld, f.param);
        benchmark::DoNotOptimize(beeld.Data());
    }
    state.SetLabel("filter " + std::to_string(f.nr));
}
BENCHMARK(BM_Filter)->DenseRange(0, std::size(Catalogus) - 1)->Unit(benchmark::kMicrosecond);

void BM_WholeCatalogue(benchmark::State& state)
{
    Pixels beeld = LogoBeeld();
    Filters filters;
    for (auto _ : state)
        for (const auto& f : Catalogus) filters.FilterToepassen(f.nr, beeld, f.param);
    benchmark::DoNotOptimize(beeld.Data());
}
BENCHMARK(BM_WholeCatalogue)->Unit(benchmark::kMicrosecond);

template <class Operatie>
void BM_Canvas(benchmark::State& state, Operatie operatie)
{
    Pixels beeld = LogoBeeld();
    for (auto _ : state) {
        operatie(beeld);
        benchmark::DoNotOptimize(beeld.Data());
    }
}
BENCHMARK_CAPTURE(BM_Canvas, SpiegelHorizontaal, SpiegelHorizontaal)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Canvas, SpiegelVertikaal, SpiegelVertikaal)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Canvas, SpiegelRechts, SpiegelRechts)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Canvas, SpiegelBoven, SpiegelBoven)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Canvas, SepiaKleuren, SepiaKleuren)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Canvas, TransparantRaster, [](Pixels& p) { TransparantRaster(p, {255, 255, 0}); })
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Canvas, Kader5, [](Pixels& p) { Kader(p, 5, {0, 0, 0}); })->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
