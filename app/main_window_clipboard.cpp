// The main window's copy and paste commands.
#include "main_window.h"

#include "copy_formats.h"
#include "css_copy_forms.h"
#include "css_reader.h"
#include "main_window_texts.h"
#include "paste_parser.h"
#include "platform.h"
#include "texts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

void TForm1::Copy1Click()
{
    copyText(singleColorCopyText(m_editColor, Cusename->isChecked(), ColDQ->isChecked()));
}

void TForm1::AcopyClick()
{
    copyText(wholeCopyText(m_body, UseCSS->isChecked(), Cusename->isChecked()));
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
    copyText(customPropertiesText(m_body, Cusename->isChecked()));
}

void TForm1::copyColorForm(std::string (*form)(ColorValue))
{
    copyText(form(m_editColor));
}

void TForm1::PasteCssClick()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QByteArray text = data && data->hasText() ? data->text().toUtf8() : QByteArray();
    const CssPasteResult result =
        readCssPaste(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    switch (result.kind) {
    case CssPasteResult::Kind::Nothing:
        m_platform.messageBox(this, Texts::AppTitle, MainTexts::NoCssColor(), Platform::Buttons::Ok,
                              Platform::Icon::Exclamation);
        return;
    case CssPasteResult::Kind::EditorColor:
        SetEditColor(result.editorColor);
        ColorPending = true;
        return;
    case CssPasteResult::Kind::SlotColors:
        for (int slot = 0; slot < SlotCount; ++slot) {
            if (result.slotColors[slot])
                SetSlotColor(slot, *result.slotColors[slot]);
        }
        ColorPending = true;
        SelectSlot(BGCOLOR);
        return;
    }
}
