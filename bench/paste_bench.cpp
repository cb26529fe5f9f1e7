// The paste parser over whole pages whose BODY tag comes last: the worst case for a
// parser that searches the text, and what a user pasting a saved page gets.
#include "bench_inputs.h"
#include "paste_parser.h"

#include <benchmark/benchmark.h>

namespace {

void parsePasteBench(benchmark::State& state)
{
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const std::string page = htmlDocumentWithBodyAtEnd(bytes, DocumentColors);
    // Measure only a parse that finds the tag; a generator fault must not pass as speed.
    const PasteResult expected = parsePaste(page);
    if (page.size() != bytes || expected.kind != PasteResult::Kind::BodyColors ||
        expected.bodyColors != DocumentColors) {
        state.SkipWithError("the generated page does not parse to its BODY colours");
        return;
    }
    for (auto _ : state) {
        PasteResult result = parsePaste(page);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes));
}

} // namespace

BENCHMARK(parsePasteBench)
    ->Name("parsePaste")
    ->ArgName("bytes")
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
