#pragma once

#include "bench_platform.h"
#include "main_window.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <memory>

class QWidget;

// A temporary folder holding the settings file of state.range(0) schemes, sorted when
// state.range(1) is nonzero, for a BenchPlatform over that folder. Null, with the state
// told why, when the file cannot be written.
std::unique_ptr<QTemporaryDir> settingsFolder(benchmark::State& state);

// Shows the window and processes events until it is exposed and has painted its first
// frame. False when that has not happened within `timeoutMs`.
bool showAndWaitForFirstFrame(QWidget& window, int timeoutMs = 10'000);

// A main window over a settings folder of its own, shown with its first frame painted.
struct ShownWindow {
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<BenchPlatform> platform;
    std::unique_ptr<TForm1> form;
};

// Over an empty settings folder. Null, with the state told why, when there is no folder or
// the window shows no frame.
std::unique_ptr<ShownWindow> shownWindow(benchmark::State& state);

// The same over the settings file of settingsFolder(state).
std::unique_ptr<ShownWindow> shownWindowOverSchemes(benchmark::State& state);
