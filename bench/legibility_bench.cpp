// The legibility table and the colour-vision simulation per call, and a body colour
// applied while both are live: what each change of the preview costs.
#include "bench_platform.h"
#include "legibility.h"
#include "legibility_window.h"
#include "main_window.h"
#include "window_fixture.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QTemporaryDir>

namespace {

// Dark, light and mid colours, so both parts of the sRGB curve are in the mix.
constexpr ColorValue Colors[] = {rgbColor(0, 128, 128),      rgbColor(255, 255, 255),
                                 rgbColor(0x12, 0x34, 0x56), rgbColor(0, 255, 255),
                                 rgbColor(255, 0, 255),      rgbColor(5, 9, 2),
                                 rgbColor(200, 100, 50),     rgbColor(0x77, 0x77, 0x77)};
constexpr std::size_t ColorCount = std::size(Colors);

void contrastBench(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const int hundredths =
            contrastHundredths(Colors[i % ColorCount], Colors[(i + 3) % ColorCount]);
        benchmark::DoNotOptimize(hundredths);
        ++i;
    }
}

void tableBench(benchmark::State& state)
{
    BodyColorSet colors = {Colors[0], Colors[1], Colors[2], Colors[3], Colors[4]};
    std::size_t i = 0;
    for (auto _ : state) {
        colors[TEXT] = Colors[i++ % ColorCount]; // as an apply changes one slot
        LegibilityTable table = legibilityTable(colors);
        benchmark::DoNotOptimize(table);
    }
}

void tableTextBench(benchmark::State& state)
{
    const LegibilityTable table =
        legibilityTable({Colors[0], Colors[1], Colors[2], Colors[3], Colors[4]});
    for (auto _ : state) {
        std::string text = legibilityText(table);
        benchmark::DoNotOptimize(text);
    }
}

void simulateBench(benchmark::State& state)
{
    const auto vision = static_cast<ColorVision>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        const ColorValue shown = simulateColorVision(vision, Colors[i++ % ColorCount]);
        benchmark::DoNotOptimize(shown);
    }
}

// One slot colour set on a shown window with the legibility window open and a simulation
// on: the table and its labels refreshed, the preview redrawn in simulated colours (the
// paint itself follows later, as for any colour change).
void applyWhileCheckingBench(benchmark::State& state)
{
    QTemporaryDir folder;
    if (!folder.isValid()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    BenchPlatform platform(folder.path());
    TForm1 form(platform);
    if (!showAndWaitForFirstFrame(form)) {
        state.SkipWithError("the window never showed its first frame");
        return;
    }
    form.findChild<QAction*>(QStringLiteral("Legibility"))->trigger();
    form.findChild<QAction*>(QStringLiteral("VisionD"))->trigger();
    if (!form.legibilityWindow()->isVisible()) {
        state.SkipWithError("the legibility window did not open");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state)
        form.SetSlotColor(TEXT, Colors[i++ % ColorCount]);
}

} // namespace

BENCHMARK(contrastBench)->Name("contrastHundredths")->Unit(benchmark::kNanosecond);
BENCHMARK(tableBench)->Name("legibilityTable")->Unit(benchmark::kNanosecond);
BENCHMARK(tableTextBench)->Name("legibilityText")->Unit(benchmark::kNanosecond);
BENCHMARK(simulateBench)
    ->Name("simulateColorVision")
    ->ArgNames({"vision"})
    ->DenseRange(0, 4)
    ->Unit(benchmark::kNanosecond);
BENCHMARK(applyWhileCheckingBench)
    ->Name("applyWithLegibilityAndSimulation")
    ->Unit(benchmark::kMicrosecond);
