// A scheme chosen from the list, as the list's choice applies it: the five body colours
// at once, with the legibility window never opened, opened and closed again, and open.
#include "legibility_window.h"
#include "main_window.h"
#include "window_fixture.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QComboBox>

namespace {

void applySchemeBench(benchmark::State& state)
{
    const std::unique_ptr<ShownWindow> shown = shownWindowOverSchemes(state);
    if (!shown)
        return;
    TForm1& form = *shown->form;
    const int legibility = static_cast<int>(state.range(2)); // 0 never, 1 closed, 2 open
    if (legibility > 0) {
        form.findChild<QAction*>(QStringLiteral("Legibility"))->trigger();
        if (!form.legibilityWindow()->isVisible()) {
            state.SkipWithError("the legibility window did not open");
            return;
        }
        if (legibility == 1)
            form.legibilityWindow()->close();
    }
    const int count = form.findChild<QComboBox*>(QStringLiteral("SetList"))->count();
    if (count < 2) {
        state.SkipWithError("the scheme list holds fewer than two schemes");
        return;
    }
    // Consecutive schemes differ in their background and text, so every call changes colours.
    int i = 0;
    for (auto _ : state)
        form.ApplyScheme(i++ % count);
}

} // namespace

BENCHMARK(applySchemeBench)
    ->Name("applyScheme")
    ->ArgNames({"schemes", "sorted", "legibility"})
    ->Args({16, 0, 0})
    ->Args({16, 0, 1})
    ->Args({16, 0, 2})
    ->Unit(benchmark::kMicrosecond);
