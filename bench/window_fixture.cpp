#include "window_fixture.h"

#include "bench_inputs.h"
#include "text_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

namespace {

class PaintWatcher final : public QObject {
public:
    bool painted = false;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

} // namespace

std::unique_ptr<QTemporaryDir> settingsFolder(benchmark::State& state)
{
    auto folder = std::make_unique<QTemporaryDir>();
    QString error = QStringLiteral("no temporary folder");
    if (folder->isValid() &&
        writeTextLines(folder->filePath(QStringLiteral("pagetint.ini")),
                       settingsFileLines(static_cast<int>(state.range(0)), state.range(1) != 0),
                       &error))
        return folder;
    state.SkipWithError(("cannot write the settings file: " + error).toStdString().c_str());
    return nullptr;
}

bool showAndWaitForFirstFrame(QWidget& window, int timeoutMs)
{
    PaintWatcher watcher;
    window.installEventFilter(&watcher);
    window.show();
    QElapsedTimer timer;
    timer.start();
    auto exposed = [&] { return window.windowHandle() && window.windowHandle()->isExposed(); };
    while (!(exposed() && watcher.painted) && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window.removeEventFilter(&watcher);
    return exposed() && watcher.painted;
}

namespace {

std::unique_ptr<ShownWindow> shownWindowIn(benchmark::State& state,
                                           std::unique_ptr<QTemporaryDir> folder)
{
    if (!folder)
        return nullptr;
    auto shown = std::make_unique<ShownWindow>();
    shown->platform = std::make_unique<BenchPlatform>(folder->path());
    shown->folder = std::move(folder);
    shown->form = std::make_unique<TForm1>(*shown->platform);
    if (!showAndWaitForFirstFrame(*shown->form)) {
        state.SkipWithError("the window never showed its first frame");
        return nullptr;
    }
    return shown;
}

} // namespace

std::unique_ptr<ShownWindow> shownWindow(benchmark::State& state)
{
    auto folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid()) {
        state.SkipWithError("no temporary folder");
        return nullptr;
    }
    return shownWindowIn(state, std::move(folder));
}

std::unique_ptr<ShownWindow> shownWindowOverSchemes(benchmark::State& state)
{
    return shownWindowIn(state, settingsFolder(state));
}
