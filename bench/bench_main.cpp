// Runs the benchmarks inside a QApplication and then weighs the results against the
// budgets. "--check" makes a missed budget the exit status.
#include "budgets.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstring>
#include <iostream>

#include <unistd.h>

namespace {

// Prints as the console reporter does and keeps each benchmark's median (or only) run.
class RecordingReporter final : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, as the library's own default reporter does.
    RecordingReporter()
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            record(run);
        ConsoleReporter::ReportRuns(runs);
    }

    const Measurements& measurements() const { return m_measurements; }

private:
    void record(const Run& run)
    {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single && !run.error_occurred)
            return;
        std::string key = run.run_name.function_name;
        if (!run.run_name.args.empty())
            key += '/' + run.run_name.args;
        Measurement& m = m_measurements[key];
        if (run.error_occurred) {
            m.error = run.error_message;
            return;
        }
        m.secondsPerIteration =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        if (const auto bytes = run.counters.find("bytes_per_second"); bytes != run.counters.end())
            m.bytesPerSecond = bytes->second.value;
    }

    Measurements m_measurements;
};

} // namespace

int main(int argc, char** argv)
{
    bool check = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0)
            check = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;

    // The window benchmarks need no display; a platform chosen by the caller still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagetint"));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const std::vector<BudgetLine> lines = evaluateBudgets(reporter.measurements());
    std::cout << '\n' << budgetTable(lines) << std::flush;
    return check && !allMet(lines) ? 1 : 0;
}
