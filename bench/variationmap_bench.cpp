// The variation map against its cells grown one after another: a 5 × 5 map of 160 × 120
// textures at 400 iterations, on every core and on one thread. Wall time, since the map's
// point is to use every core.
#include "explore/variationmap.h"

#include <benchmark/benchmark.h>

using namespace mottler;

namespace {

VariationMap FiveByFive() {
    Variation centre;
    centre.Settings.Seed = 35089380;
    centre.Settings.Iterations = 400;
    centre.Settings.FactorA = 622;
    centre.Settings.FactorB = 1000;
    return CentredMap(centre, VariedValue::FactorA, VariedValue::FactorB, 5);
}

const CellSeeding Seeding{160, 120, ShapeTuning{}, nullptr};

} // namespace

// threads: 0 grows the map on every core, 1 grows its cells one after another.
static void BM_VariationMap(benchmark::State& state) {
    const std::vector<Variation> cells = FiveByFive().Cells();
    for (auto _ : state) {
        auto grown = GrowCells(cells, 5, Seeding, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(grown);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(cells.size()));
}
BENCHMARK(BM_VariationMap)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// The first cell of the explorer's map: the centre, alone.
static void BM_VariationMapFirstCell(benchmark::State& state) {
    const Variation centre = FiveByFive().Centre;
    const std::atomic<bool> cancel{false};
    for (auto _ : state)
        benchmark::DoNotOptimize(GrowVariation(centre, Seeding, cancel));
}
BENCHMARK(BM_VariationMapFirstCell)->Unit(benchmark::kMillisecond)->UseRealTime();
