// The main window's template, preview, background image, viewer, font and help commands.
#include "main_window.h"

#include "click_panel.h"
#include "dialog_module.h"
#include "file_paths.h"
#include "help_location.h"
#include "html_texts.h"
#include "main_window_texts.h"
#include "platform.h"
#include "private_folder.h"
#include "secondary_windows.h"
#include "shell_open.h"
#include "template_writer.h"
#include "text_file.h"
#include "texts.h"
#include "url_label.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

namespace {

QStringList toLines(const std::vector<std::string>& lines)
{
    QStringList result;
    result.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        result << QString::fromStdString(line);
    return result;
}

bool drawsWhole(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    const QList<uint> characters = text.toUcs4();
    return std::all_of(characters.begin(), characters.end(),
                       [&](uint c) { return metrics.inFontUcs4(c); });
}

} // namespace

QString previewPagePath(const QString& tempFolder)
{
    return QDir(privateFolderPath(tempFolder)).filePath(HtmlTexts::PreviewPageName);
}

TemplateInput TForm1::templateInput() const
{
    TemplateInput input;
    input.colors = m_sets.shown();
    input.useNames = Cusename->isChecked();
    input.hasBackground = CancelBG->isEnabled();
    input.backgroundPath = m_backgroundPath.toStdString();
    input.bold = TextLabel->font().bold();
    input.italic = TextLabel->font().italic();
    return input;
}

void TForm1::showFileWriteFailure(const QString& path, const QString& reason)
{
    m_platform.messageBox(this, Texts::AppTitle,
                          HtmlTexts::SaveFailed() + u'\n' + path + u'\n' + reason,
                          Platform::Buttons::Ok, Platform::Icon::Exclamation);
}

void TForm1::SaveAsClick()
{
    const std::optional<QString> path = m_dm->executeSave(this);
    if (!path)
        return;
    TemplateInput input = templateInput();
    if (UseCSS->isChecked()) {
        // The style sheet carries both schemes, the light one first.
        input.colors = m_sets.light();
        input.dark = m_sets.dark();
    }
    const QStringList lines =
        toLines(UseCSS->isChecked() ? WriteCssTemplate(input) : WriteTemplate(input, false));
    QString error;
    if (!writeTextLines(*path, lines, &error))
        showFileWriteFailure(*path, error);
}

void TForm1::HviewClick()
{
    QString error;
    const QString folder = QFileInfo(m_tempPagePath).path();
    if (!preparePrivateFolder(folder, &error) ||
        !writePrivateTextLines(m_tempPagePath, toLines(WriteTemplate(templateInput(), true)),
                               &error)) {
        showFileWriteFailure(m_tempPagePath, error);
        return;
    }
    openOrReport(m_platform, this, m_tempPagePath);
}

void TForm1::LdBackClick()
{
    const std::optional<QString> path = m_dm->executeOpen(this, 1);
    if (!path)
        return;
    m_backgroundPath = *path;
    Iview->setEnabled(true);
    CancelBG->setEnabled(true);
}

void TForm1::CancelBGClick()
{
    Iview->setEnabled(false);
    CancelBG->setEnabled(false);
}

void TForm1::IviewClick()
{
    if (!m_viewerPath.isEmpty())
        startOrReport(m_platform, this, m_viewerPath, m_backgroundPath);
    else
        openOrReport(m_platform, this, m_backgroundPath);
}

void TForm1::SetViewerClick()
{
    form4()->IVname->setText(m_viewerPath);
    if (form4()->exec() != QDialog::Accepted)
        return;
    // A line break pasted into the field would split the settings line that keeps the path.
    QString path = form4()->IVname->text();
    path.remove(u'\r');
    path.remove(u'\n');
    path.remove(QChar(u'\0'));
    m_viewerPath = path;
}

void TForm1::FontSetClick()
{
    if (const std::optional<QFont> font = m_dm->executeFont(this, TextLabel->font()))
        ApplyPreviewFont(*font);
}

void TForm1::ApplyPreviewFont(const QFont& font)
{
    const int pixels =
        font.pixelSize() > 0 ? font.pixelSize() : pixelsFromPoints(qRound(font.pointSizeF()));
    for (int slot = TEXT; slot < SlotCount; ++slot) {
        TURLLabel* label = m_slotLabels[slot];
        QFont labelFont = label->font();
        // The chosen face may lack the Japanese samples' glyphs: the layout's face (or its
        // stand-ins) draws those. The chosen family stays first, and is what is stored.
        labelFont.setFamilies({font.family(), MainTexts::UiFontFamily});
        labelFont.setPixelSize(pixels);
        labelFont.setBold(font.bold());
        labelFont.setItalic(font.italic());
        labelFont.setStrikeOut(font.strikeOut());
        labelFont.setUnderline(slot != TEXT);
        // NOTE: font merging asks fontconfig for fallbacks, about 3 ms at start; a face that
        // holds every glyph of the sample needs none.
        labelFont.setStyleStrategy(QFont::NoFontMerging);
        if (!drawsWhole(labelFont, label->text()))
            labelFont.setStyleStrategy(QFont::PreferDefault);
        label->setFont(labelFont);
        label->adjustSize();
        label->move(centredLabelLeft(BGpanel->contentsRect().width(), label->width()), label->y());
    }
}

// The first help page that exists; empty when there is none.
QString TForm1::helpTarget() const
{
    for (const QString& path : helpCandidates(m_platform.executablePath())) {
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

// Help may appear or vanish while the program runs, so the menu asks again each time it opens.
void TForm1::updateHelpItem()
{
    Contents1->setEnabled(!helpTarget().isEmpty());
}

void TForm1::Contents1Click()
{
    const QString target = helpTarget();
    if (!target.isEmpty())
        openOrReport(m_platform, this, target);
}

void TForm1::About1Click()
{
    aboutBox()->exec();
}
