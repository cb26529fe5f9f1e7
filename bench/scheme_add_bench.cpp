// Adding a scheme to a list of 10,000: the duplicate check and the sorted place on
// their own, and the whole AddBtnClick after its name dialog has closed.
#include "bench_inputs.h"
#include "bench_platform.h"
#include "main_window.h"
#include "scheme_order.h"
#include "secondary_windows.h"
#include "window_fixture.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int ListSize = 10'000;

QStringList generatedNames(int count)
{
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names << generatedSchemeName(i);
    return names;
}

QCollator schemeCollator()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// A new name differs from every stored one, so the check runs through the whole list;
// a name that differs only in case from the last one is found at the very end.
void duplicateCheckBench(benchmark::State& state)
{
    const QStringList names = generatedNames(ListSize);
    const bool present = state.range(0) != 0;
    const QString name = present ? names.last().toUpper() : QStringLiteral("新しい配色 1");
    const int expected = present ? ListSize - 1 : -1;
    if (indexOfNameIgnoringCase(names, name) != expected) {
        state.SkipWithError("the duplicate check gives the wrong index");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(indexOfNameIgnoringCase(names, name));
}

void sortedInsertIndexBench(benchmark::State& state)
{
    const QCollator collator = schemeCollator();
    QStringList names = generatedNames(ListSize);
    sortSchemeNames(names, collator);
    const QString name = QStringLiteral("Site 04999x");
    for (auto _ : state)
        benchmark::DoNotOptimize(sortedInsertIndex(names, name, collator));
}

// Clicks AddBtn on a shown window over a file of 10,000 schemes; the name dialog is
// answered as soon as it runs. The time counted starts when the dialog has closed, so it
// is the handler's own work: the duplicate check, the sorted place, the list insert and
// the store write. Every click adds a new name, so the list grows by the iteration count.
void addSchemeBench(benchmark::State& state)
{
    const std::unique_ptr<ShownWindow> shown = shownWindowOverSchemes(state);
    if (!shown)
        return;
    TForm1& form = *shown->form;
    BenchPlatform& platform = *shown->platform;
    auto* addBtn = form.findChild<QPushButton*>(QStringLiteral("AddBtn"));
    auto* setList = form.findChild<QComboBox*>(QStringLiteral("SetList"));
    TForm2* dialog = form.form2();
    Clock::time_point dialogClosed;
    QObject::connect(dialog, &QDialog::finished, dialog, [&] { dialogClosed = Clock::now(); });

    int serial = 0;
    for (auto _ : state) {
        const QString name = QStringLiteral("新しい配色 %1").arg(++serial);
        const int before = setList->count();
        QTimer::singleShot(0, dialog, [dialog, name] {
            dialog->SetName->setText(name);
            dialog->accept();
        });
        addBtn->click();
        const auto added = Clock::now();
        if (setList->count() != before + 1 || setList->currentText() != name ||
            platform.messageBoxCount() != 0) {
            state.SkipWithError("the click did not add the scheme");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(added - dialogClosed).count());
    }
    form.hide();
}

} // namespace

BENCHMARK(duplicateCheckBench)->Name("indexOfNameIgnoringCase")->ArgName("found")->Arg(0)->Arg(1);
BENCHMARK(sortedInsertIndexBench)->Name("sortedInsertIndex");
BENCHMARK(addSchemeBench)
    ->Name("addScheme")
    ->ArgNames({"schemes", "sorted"})
    ->Args({ListSize, 0})
    ->Args({ListSize, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
