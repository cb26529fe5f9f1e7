#include "shell_open.h"

#include "platform.h"
#include "shell_texts.h"

namespace {

void report(Platform& platform, QWidget* parent, const QString& message, const QString& target)
{
    platform.messageBox(parent, ShellTexts::Caption, message + u'\n' + target,
                        Platform::Buttons::Ok, Platform::Icon::Exclamation);
}

} // namespace

bool openOrReport(Platform& platform, QWidget* parent, const QString& target)
{
    if (platform.shellOpen(target))
        return true;
    report(platform, parent, ShellTexts::OpenFailed(), target);
    return false;
}

bool startOrReport(Platform& platform, QWidget* parent, const QString& program,
                   const QString& argument)
{
    if (platform.startDetached(program, argument))
        return true;
    report(platform, parent, ShellTexts::StartFailed(), program);
    return false;
}
