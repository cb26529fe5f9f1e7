// The main window built over a settings file, from the constructor (which reads the
// file and fills the scheme list) to its first painted frame, as the user waits for it.
#include "bench_platform.h"
#include "main_window.h"
#include "window_fixture.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

void startWindowBench(benchmark::State& state)
{
    const int schemes = static_cast<int>(state.range(0));
    const std::unique_ptr<QTemporaryDir> folder = settingsFolder(state);
    if (!folder)
        return;
    BenchPlatform platform(folder->path());

    auto buildAndShow = [&]() -> std::unique_ptr<TForm1> {
        auto form = std::make_unique<TForm1>(platform);
        if (!showAndWaitForFirstFrame(*form))
            return nullptr;
        return form;
    };
    // One window first, untimed, so font and style caches are warm as in a started program.
    if (!buildAndShow()) {
        state.SkipWithError("the window never showed its first frame");
        return;
    }

    for (auto _ : state) {
        const auto start = Clock::now();
        std::unique_ptr<TForm1> form = buildAndShow();
        const auto shown = Clock::now();
        if (!form) {
            state.SkipWithError("the window never showed its first frame");
            break;
        }
        if (form->findChild<QComboBox*>(QStringLiteral("SetList"))->count() != schemes) {
            state.SkipWithError("the scheme list does not hold every stored scheme");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

BENCHMARK(startWindowBench)
    ->Name("startWindow")
    ->ArgNames({"schemes", "sorted"})
    ->Args({0, 0})
    ->Args({10'000, 0})
    ->Args({10'000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
