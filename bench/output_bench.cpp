// The texts the copy commands and the template writers produce, per call.
#include "bench_inputs.h"
#include "copy_formats.h"
#include "template_writer.h"

#include <benchmark/benchmark.h>

namespace {

// An unnamed colour as well as named ones, so both the name lookup's hit and its
// fall-back to hex are in the mix.
constexpr BodyColorSet MixedColors = {rgbColor(0, 128, 128), rgbColor(255, 255, 255),
                                      rgbColor(0x12, 0x34, 0x56), rgbColor(0, 255, 255),
                                      rgbColor(255, 0, 255)};

void singleColorCopyBench(benchmark::State& state)
{
    const bool names = state.range(0) != 0;
    const bool quotes = state.range(1) != 0;
    int i = 0;
    for (auto _ : state) {
        std::string text = singleColorCopyText(MixedColors[i++ % SlotCount], names, quotes);
        benchmark::DoNotOptimize(text);
    }
}

void wholeCopyBench(benchmark::State& state)
{
    const bool css = state.range(0) != 0;
    const bool names = state.range(1) != 0;
    for (auto _ : state) {
        std::string text = wholeCopyText(MixedColors, css, names);
        benchmark::DoNotOptimize(text);
    }
}

TemplateInput templateInput(bool names)
{
    TemplateInput in;
    in.colors = MixedColors;
    in.useNames = names;
    in.hasBackground = true;
    in.backgroundPath = "C:\\web\\images\\背景.gif";
    return in;
}

void writeTemplateBench(benchmark::State& state)
{
    const bool preview = state.range(0) != 0;
    const TemplateInput in = templateInput(state.range(1) != 0);
    for (auto _ : state) {
        std::vector<std::string> lines = WriteTemplate(in, preview);
        benchmark::DoNotOptimize(lines);
    }
}

void writeCssTemplateBench(benchmark::State& state)
{
    const TemplateInput in = templateInput(state.range(0) != 0);
    for (auto _ : state) {
        std::vector<std::string> lines = WriteCssTemplate(in);
        benchmark::DoNotOptimize(lines);
    }
}

} // namespace

BENCHMARK(singleColorCopyBench)
    ->Name("singleColorCopyText")
    ->ArgNames({"names", "quotes"})
    ->ArgsProduct({{0, 1}, {0, 1}});
BENCHMARK(wholeCopyBench)
    ->Name("wholeCopyText")
    ->ArgNames({"css", "names"})
    ->ArgsProduct({{0, 1}, {0, 1}});
BENCHMARK(writeTemplateBench)
    ->Name("WriteTemplate")
    ->ArgNames({"preview", "names"})
    ->ArgsProduct({{0, 1}, {0, 1}});
BENCHMARK(writeCssTemplateBench)->Name("WriteCssTemplate")->ArgNames({"names"})->Arg(0)->Arg(1);
