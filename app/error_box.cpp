#include "error_box.h"

#include "platform.h"
#include "texts.h"

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

void showErrorBox(Platform& platform, QWidget* parent, const QString& message)
{
    platform.messageBox(parent, Texts::AppTitle, errorBoxText(message), Platform::Buttons::Ok,
                        Platform::Icon::Error);
}
