// The legibility table and the colour-vision simulation per call, and a body colour
// applied while both are live: what each change of the preview costs. Then the nearest
// legible colour of one pair and すべて修正 per call.
#include "legibility.h"
#include "legibility_fix.h"
#include "legibility_window.h"
#include "main_window.h"
#include "window_fixture.h"

#include <benchmark/benchmark.h>

#include <QAction>

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
    const std::unique_ptr<ShownWindow> shown = shownWindow(state);
    if (!shown)
        return;
    TForm1& form = *shown->form;
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

constexpr ColorValue web(std::uint32_t rrggbb)
{
    return swapWebOrder(rrggbb);
}

// Failing pairs on both sides of their background, links against text, and one far move.
constexpr struct {
    ColorValue foreground, other;
    int hundredths;
} FailingPairs[] = {
    {web(0x0000FF), web(0x008080), 450}, {web(0x00FFFF), web(0x008080), 450},
    {web(0xFF00FF), web(0x008080), 450}, {web(0x00FFFF), web(0xFFFFFF), 300},
    {web(0xFF0000), web(0xFFFFFF), 450}, {web(0x0000FF), web(0x000000), 300},
    {web(0x777777), web(0xFFFFFF), 700}, {web(0x4D9E2E), web(0x01869C), 300},
};

void suggestionBench(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& pair = FailingPairs[i++ % std::size(FailingPairs)];
        const std::optional<ColorValue> found =
            nearestPassingColor(pair.foreground, pair.other, pair.hundredths);
        benchmark::DoNotOptimize(found);
    }
}

// Pages that can be fixed: white and near-white, dark, text that has to move.
constexpr BodyColorSet FixablePages[] = {
    {web(0xFFFFFF), web(0x000000), web(0x0000FF), web(0x800080), web(0xFF0000)},
    {web(0xFFFFFF), web(0x1FC42C), web(0x688BD3), web(0x9B736B), web(0xFECA66)},
    {web(0xFFFFF0), web(0x333333), web(0x6699FF), web(0x9966CC), web(0xFF6633)},
    {web(0x120408), web(0x288E95), web(0xD7987D), web(0xE562FA), web(0xD56432)},
    {web(0x08180B), web(0xC09259), web(0x20B9A3), web(0x9FB0E2), web(0x5AC0A5)},
};

void fixAllBench(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const std::optional<BodyColorSet> fixed =
            fixAllColors(FixablePages[i++ % std::size(FixablePages)], FixLevel::AA);
        if (!fixed) {
            state.SkipWithError("a page that can be fixed was not");
            return;
        }
        benchmark::DoNotOptimize(fixed);
    }
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
BENCHMARK(suggestionBench)->Name("nearestPassingColor")->Unit(benchmark::kMicrosecond);
BENCHMARK(fixAllBench)->Name("fixAllColors")->Unit(benchmark::kMillisecond);
