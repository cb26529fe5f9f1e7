#include "fake_platform.h"

#include "qt_platform.h"

#include <QImage>

#include <utility>

namespace {

template <typename T> std::optional<T> takeFront(std::deque<std::optional<T>>& queue)
{
    std::optional<T> answer;
    if (!queue.empty()) {
        answer.swap(queue.front());
        queue.pop_front();
    }
    return answer;
}

QString buttonsText(Platform::Buttons buttons)
{
    return buttons == Platform::Buttons::Ok ? QStringLiteral("Ok") : QStringLiteral("OkCancel");
}

QString iconText(Platform::Icon icon)
{
    switch (icon) {
    case Platform::Icon::Information:
        return QStringLiteral("Information");
    case Platform::Icon::Exclamation:
        return QStringLiteral("Exclamation");
    case Platform::Icon::Question:
        return QStringLiteral("Question");
    case Platform::Icon::Error:
        return QStringLiteral("Error");
    case Platform::Icon::None:
        break;
    }
    return QStringLiteral("None");
}

} // namespace

Platform::Answer FakePlatform::messageBox(QWidget*, const QString& caption, const QString& text,
                                          Buttons buttons, Icon icon)
{
    calls.push_back(
        {QStringLiteral("messageBox"), {caption, text, buttonsText(buttons), iconText(icon)}});
    if (messageAnswers.empty())
        return Answer::Ok;
    const Answer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<ColorValue> FakePlatform::chooseColor(QWidget*, ColorValue initial)
{
    calls.push_back({QStringLiteral("chooseColor"), {QString::number(initial)}});
    return takeFront(colorAnswers);
}

std::optional<QFont> FakePlatform::chooseFont(QWidget*, const QFont& initial)
{
    calls.push_back(
        {QStringLiteral("chooseFont"), {initial.family(), QString::number(initial.pointSize())}});
    return takeFront(fontAnswers);
}

std::optional<QString> FakePlatform::openFileName(QWidget*, const FileDialog& dialog)
{
    lastDialog = dialog;
    calls.push_back({QStringLiteral("openFileName"),
                     {dialog.title, dialog.filter, QString::number(dialog.filterIndex)}});
    return takeFront(openAnswers);
}

std::optional<QString> FakePlatform::saveFileName(QWidget*, const FileDialog& dialog)
{
    lastDialog = dialog;
    calls.push_back({QStringLiteral("saveFileName"),
                     {dialog.title, dialog.filter, dialog.defaultSuffix, dialog.selectedFile}});
    return takeFront(saveAnswers);
}

bool FakePlatform::shellOpen(const QString& pathOrAddress)
{
    calls.push_back({QStringLiteral("shellOpen"), {pathOrAddress}});
    return shellResult;
}

bool FakePlatform::startDetached(const QString& program, const QString& argument)
{
    calls.push_back({QStringLiteral("startDetached"), {program, argument}});
    return startResult;
}

QImage FakePlatform::screenRegion(const QRect& physical)
{
    calls.push_back({QStringLiteral("screenRegion"), {}});
    QImage image(physical.size(), QImage::Format_ARGB32);
    for (int i = 0; i < image.width() * image.height(); ++i) {
        const QPoint at(i % image.width(), i / image.width());
        const auto color = screen ? screen(physical.topLeft() + at) : std::nullopt;
        image.setPixel(at, color ? qRgb(redOf(*color), greenOf(*color), blueOf(*color)) : 0);
    }
    return image;
}

void FakePlatform::pickScreenColor(QWidget* window, std::function<void(ScreenPick)> done)
{
    calls.push_back({QStringLiteral("pickScreenColor"), {}});
    if (picker)
        picker(window, std::move(done));
    else
        pendingPicks.push_back(std::move(done));
}

QVector<FakePlatform::Call> FakePlatform::callsOf(const QString& kind) const
{
    QVector<Call> result;
    for (const Call& call : calls) {
        if (call.kind == kind)
            result.push_back(call);
    }
    return result;
}

ScreenLayout FakePlatform::screenLayout()
{
    return currentScreenLayout();
}
