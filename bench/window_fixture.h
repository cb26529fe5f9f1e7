#pragma once

#include <benchmark/benchmark.h>

#include <memory>

class QTemporaryDir;
class QWidget;

// A temporary folder holding the settings file of state.range(0) schemes, sorted when
// state.range(1) is nonzero, for a BenchPlatform over that folder. Null, with the state
// told why, when the file cannot be written.
std::unique_ptr<QTemporaryDir> settingsFolder(benchmark::State& state);

// Shows the window and processes events until it is exposed and has painted its first
// frame. False when that has not happened within `timeoutMs`.
bool showAndWaitForFirstFrame(QWidget& window, int timeoutMs = 10'000);
