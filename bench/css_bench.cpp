// The CSS paste over style sheets whose body rule comes last, and over single colour texts
// of every syntax, as PasteCss reads them.
#include "bench_inputs.h"
#include "css_reader.h"

#include <benchmark/benchmark.h>

#include <iterator>

namespace {

void readCssSheetBench(benchmark::State& state)
{
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const std::string sheet = styleSheetWithBodyAtEnd(bytes, DocumentColors);
    // Measure only a read that finds the rules; a generator fault must not pass as speed.
    CssPasteResult expected;
    expected.kind = CssPasteResult::Kind::SlotColors;
    for (int slot = 0; slot < SlotCount; ++slot)
        expected.slotColors[slot] = DocumentColors[slot];
    if (sheet.size() != bytes || readCssPaste(sheet).slotColors != expected.slotColors) {
        state.SkipWithError("the generated style sheet does not read to its colours");
        return;
    }
    for (auto _ : state) {
        CssPasteResult result = readCssPaste(sheet);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes));
}

void readCssColorBench(benchmark::State& state)
{
    static const char* const texts[] = {
        "#1e90ff",
        "dodgerblue",
        "rgb(30 144 255)",
        "rgba(30, 144, 255, 0.5)",
        "hsl(209.6 100% 55.88%)",
        "oklch(65.2% 0.19012 253.21)",
        "lab(59.4 9.9 -64.3)",
        "color(display-p3 0.2 0.55 0.98)",
        "\"hwb(210 12% 0%)\";",
    };
    std::size_t i = 0;
    for (auto _ : state) {
        CssPasteResult result = readCssPaste(texts[i++ % std::size(texts)]);
        benchmark::DoNotOptimize(result);
    }
}

// A framework's sheet (its :root and dark blocks, some 2,000 component rules, body and
// links through custom properties), read in both readings.
void readCssFrameworkBench(benchmark::State& state)
{
    const std::string sheet = frameworkStyleSheet(2000);
    const CssPasteResult first = readCssPaste(sheet);
    if (!first.hasDarkScheme || first.light.colors != DocumentColors) {
        state.SkipWithError("the generated framework sheet does not read to its colours");
        return;
    }
    for (auto _ : state) {
        CssPasteResult result = readCssPaste(sheet);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(sheet.size()));
}

} // namespace

BENCHMARK(readCssFrameworkBench)
    ->Name("readCssFramework")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(readCssSheetBench)
    ->Name("readCssPaste")
    ->ArgName("bytes")
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(readCssColorBench)
    ->Name("readCssColor")
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
