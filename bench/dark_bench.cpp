// A dark counterpart derived per call, over the seeded sets of the colour tests and pages
// as people make them; and the nearest background that lets a page pass, for すべて修正.
#include "../tests/color/seeded_color_sets.h"
#include "dark_derivation.h"
#include "legible_background.h"

#include <benchmark/benchmark.h>

namespace {

void darkDerivationBench(benchmark::State& state)
{
    const std::vector<BodyColorSet> sets = seededColorSets();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::optional<BodyColorSet> dark =
            deriveDarkSet(sets[i++ % sets.size()], FixLevel::AA);
        if (!dark) {
            state.SkipWithError("a set without a dark counterpart");
            return;
        }
        benchmark::DoNotOptimize(dark);
    }
}

// A mid grey and the start colours on teal: no colours pass on either background.
void legibleBackgroundBench(benchmark::State& state)
{
    const BodyColorSet pages[] = {
        {rgbColor(0x77, 0x77, 0x77), rgbColor(0, 0, 0), rgbColor(0, 0, 255), rgbColor(128, 0, 128),
         rgbColor(255, 0, 0)},
        {rgbColor(0, 128, 128), rgbColor(255, 255, 255), rgbColor(0, 0, 255), rgbColor(0, 255, 255),
         rgbColor(255, 0, 255)},
    };
    std::size_t i = 0;
    for (auto _ : state) {
        const std::optional<BodyColorSet> offer =
            nearestLegibleBackground(pages[i++ % std::size(pages)], FixLevel::AA);
        benchmark::DoNotOptimize(offer);
    }
}

} // namespace

BENCHMARK(darkDerivationBench)->Name("deriveDarkSet")->Unit(benchmark::kMillisecond);
BENCHMARK(legibleBackgroundBench)->Name("nearestLegibleBackground")->Unit(benchmark::kMillisecond);
