// One move of the live eyedropper on a shown window, as the user drags: the pixels around
// the pointer read, the centre one loaded into the editor, and the editor and the loupe
// repainted.
#include "window_fixture.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace {

class PaintCounter final : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void eyedropperMoveBench(benchmark::State& state)
{
    const std::unique_ptr<ShownWindow> shown = shownWindow(state);
    if (!shown)
        return;
    BenchPlatform& platform = *shown->platform;
    TForm1& form = *shown->form;
    platform.pointer = QPoint(300, 200);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, {});
    QCoreApplication::sendEvent(form.findChild<QPushButton*>(QStringLiteral("BitBtn1")), &press);
    QMouseEvent firstMove(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton,
                          Qt::LeftButton, {});
    QCoreApplication::sendEvent(&form, &firstMove);
    QWidget* loupe = form.findChild<QWidget*>(QStringLiteral("Loupe"));
    if (!loupe || !showAndWaitForFirstFrame(*loupe)) {
        state.SkipWithError("the press showed no loupe");
        return;
    }
    PaintCounter counter;
    loupe->installEventFilter(&counter);
    int moves = 0;
    for (auto _ : state) {
        // One pixel to and fro, so that every move brings a new colour.
        platform.pointer = QPoint(300 + moves++ % 2, 200);
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(&form, &move);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
    if (counter.paints < moves)
        state.SkipWithError("the loupe was not repainted after every move");
}

} // namespace

BENCHMARK(eyedropperMoveBench)->Name("eyedropperMove")->Unit(benchmark::kMicrosecond);
