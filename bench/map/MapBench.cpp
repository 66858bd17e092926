// What the map chart's data cost per live frame: the cross-hair on every
// frame, both learned curves on the frames of the sample window, and the
// map curve after a correction step.

#include "map/InjectionMap.h"
#include "map/MapChartModel.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace brivel::map;

// Tables as a warm engine fills them: every pressure from idle to full load,
// petrol and gas a little apart.
struct Tables {
    MapChartModel::SampleTable petrol{};
    MapChartModel::SampleTable gas{};
    Tables()
    {
        for (int kpa = 28; kpa <= 100; ++kpa) {
            petrol[kpa] = static_cast<quint8>(std::lround(28 + (kpa - 32) * 1.8));
            gas[kpa] = static_cast<quint8>(std::lround(27 + (kpa - 32) * 1.75));
        }
    }
};

void BM_CrossHairOnly(benchmark::State& state)
{
    MapChartModel chart;
    const Tables t;
    double ms = 3.0;
    for (auto _ : state) {
        ms = ms > 20 ? 3.0 : ms + 0.1;
        benchmark::DoNotOptimize(chart.UpdateMapChart(3, ms, 35.0, 10, t.petrol, t.gas));
    }
}
BENCHMARK(BM_CrossHairOnly);

void BM_CurvesInTheSampleWindow(benchmark::State& state)
{
    MapChartModel chart;
    const Tables t;
    const auto selector = static_cast<quint8>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.UpdateMapChart(selector, 3.0, 35.0, 130, t.petrol, t.gas));
}
BENCHMARK(BM_CurvesInTheSampleWindow)->Arg(0)->Arg(3);

void BM_RedrawInjectionMap(benchmark::State& state)
{
    MapChartModel chart;
    const InjectionMap map;
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.RedrawInjectionMap(map, 37, 57));
}
BENCHMARK(BM_RedrawInjectionMap);

}  // namespace

BENCHMARK_MAIN();
