// The main window's copy and paste commands, and style sheets opened or dropped.
#include "main_window.h"

#include "copy_formats.h"
#include "css_copy_forms.h"
#include "css_reader.h"
#include "dialog_module.h"
#include "main_window_texts.h"
#include "paste_parser.h"
#include "platform.h"
#include "text_codec.h"
#include "text_file.h"
#include "texts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

void TForm1::Copy1Click()
{
    copyText(singleColorCopyText(m_editColor, Cusename->isChecked(), ColDQ->isChecked()));
}

void TForm1::AcopyClick()
{
    copyText(wholeCopyText(m_sets.shown(), UseCSS->isChecked(), Cusename->isChecked()));
}

void TForm1::Paste1Click()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    const QByteArray text = data->text().toUtf8();
    const PasteResult result =
        parsePaste(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    switch (result.kind) {
    case PasteResult::Kind::Nothing:
        return;
    case PasteResult::Kind::EditorColor:
        SetEditColor(result.editorColor);
        ColorPending = true;
        return;
    case PasteResult::Kind::BodyColors:
        SetBodyColors(result.bodyColors);
        if (result.anyAttributeRead)
            ColorPending = true;
        SelectSlot(BGCOLOR);
        return;
    }
}

// Every copy command ends here: the text on the clipboard, and 貼り付け enabled for it.
void TForm1::copyText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    Paste1->setEnabled(true);
}

void TForm1::CopyVarsClick()
{
    copyText(customPropertiesText(m_sets.light(), Cusename->isChecked(), m_sets.dark()));
}

void TForm1::copyColorForm(std::string (*form)(ColorValue))
{
    copyText(form(m_editColor));
}

void TForm1::PasteCssClick()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    applyCss(data && data->hasText() ? data->text().toUtf8() : QByteArray(),
             MainTexts::NoCssColor());
}

void TForm1::OpenCssClick()
{
    if (const std::optional<QString> path = m_dm->executeOpenCss(this))
        openCssFile(*path);
}

void TForm1::openCssFile(const QString& path)
{
    QString error;
    const std::optional<QByteArray> bytes = readFileBytes(path, &error);
    if (!bytes) {
        m_platform.messageBox(this, Texts::AppTitle,
                              MainTexts::OpenFailed() + u'\n' + path + u'\n' + error,
                              Platform::Buttons::Ok, Platform::Icon::Exclamation);
        return;
    }
    applyCss(sheetTextUtf8(*bytes), MainTexts::NoCssColorInFile());
}

// What a paste of CSS and an opened sheet or page share: the colours read, applied.
void TForm1::applyCss(const QByteArray& utf8, const QString& nothingFound)
{
    const CssPasteResult result =
        readCssPaste(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    switch (result.kind) {
    case CssPasteResult::Kind::Nothing: {
        QString message = nothingFound;
        // A page whose colours come from a linked sheet: say which one to open instead.
        if (!result.stylesheetHref.empty())
            message += u'\n' + MainTexts::LinkedSheetNotRead().arg(
                                   QString::fromStdString(result.stylesheetHref));
        m_platform.messageBox(this, Texts::AppTitle, message, Platform::Buttons::Ok,
                              Platform::Icon::Exclamation);
        return;
    }
    case CssPasteResult::Kind::EditorColor:
        SetEditColor(result.editorColor);
        ColorPending = true;
        return;
    case CssPasteResult::Kind::SlotColors: {
        // The slots the author decides go into the set shown; with a dark scheme, into the
        // light set, and the dark set (made when there is none) takes all five of the dark
        // reading.
        BodyColorSet colors = result.hasDarkScheme ? m_sets.light() : m_sets.shown();
        for (int slot = 0; slot < SlotCount; ++slot) {
            if (result.slotColors[slot])
                colors[static_cast<std::size_t>(slot)] = *result.slotColors[slot];
        }
        if (result.hasDarkScheme) {
            m_sets.setLight(colors);
            setDarkSet(result.dark.colors);
            showColorSet(m_sets.shownKind());
        } else {
            SetBodyColors(colors);
        }
        ColorPending = true;
        SelectSlot(BGCOLOR);
        return;
    }
    }
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        event->acceptProposedAction();
}

// A style sheet or a page dropped on the window is read as 開く reads it.
void TForm1::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    openCssFile(urls.first().toLocalFile());
}
