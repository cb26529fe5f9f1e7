#include "dialog_module.h"

#include "dialog_texts.h"
#include "main_window_texts.h"

TDM::TDM(Platform& platform)
    : m_platform(platform)
{
    OpenDialog.title = DialogTexts::OpenTitle();
    OpenDialog.filter = DialogTexts::OpenFilter();
    OpenDialog.fileMustExist = true;
    CssOpenDialog.title = DialogTexts::CssOpenTitle();
    CssOpenDialog.filter = DialogTexts::CssOpenFilter();
    CssOpenDialog.fileMustExist = true;
    SaveDialog.title = DialogTexts::SaveTitle();
    SaveDialog.filter = DialogTexts::SaveFilter();
    SaveDialog.defaultSuffix = DialogTexts::SaveDefaultExt;
    SaveDialog.confirmOverwrite = true;
    FontDialogFont = QFont(MainTexts::UiFontFamily);
    FontDialogFont.setPixelSize(12);
}

std::optional<QString> TDM::executeOpen(QWidget* parent, int filterIndex)
{
    OpenDialog.filterIndex = filterIndex;
    std::optional<QString> path = m_platform.openFileName(parent, OpenDialog);
    if (path)
        OpenDialog.selectedFile = *path;
    return path;
}

std::optional<QString> TDM::executeOpenCss(QWidget* parent)
{
    std::optional<QString> path = m_platform.openFileName(parent, CssOpenDialog);
    if (path)
        CssOpenDialog.selectedFile = *path;
    return path;
}

std::optional<QString> TDM::executeSave(QWidget* parent)
{
    std::optional<QString> path = m_platform.saveFileName(parent, SaveDialog);
    if (path)
        SaveDialog.selectedFile = *path;
    return path;
}

std::optional<ColorValue> TDM::executeColor(QWidget* parent, ColorValue initial)
{
    return m_platform.chooseColor(parent, initial);
}

std::optional<QFont> TDM::executeFont(QWidget* parent, const QFont& initial)
{
    FontDialogFont = initial;
    std::optional<QFont> font = m_platform.chooseFont(parent, initial);
    if (font)
        FontDialogFont = *font;
    return font;
}
