// Reading the settings file at start and writing it at close.
#include "main_window.h"

#include "error_box.h"
#include "file_paths.h"
#include "platform.h"
#include "scheme_order.h"
#include "scheme_value.h"
#include "settings_store.h"
#include "settings_values.h"
#include "text_file.h"
#include "url_label.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>

#include <stdexcept>

namespace {

const QString OptionsSection = QStringLiteral("Options");
const QString PositionKey = QStringLiteral("Position");
const QString HexKey = QStringLiteral("Digi16");
const QString ViewerKey = QStringLiteral("ImgViewer");
const QString FontKey = QStringLiteral("Font");

} // namespace

const std::array<TForm1::OptionKey, 4>& TForm1::optionKeys()
{
    static const std::array<OptionKey, 4> keys = {{
        {"Sort", &TForm1::CLsort},
        {"Usename", &TForm1::Cusename},
        {"Coldq", &TForm1::ColDQ},
        {"Usecss", &TForm1::UseCSS},
    }};
    return keys;
}

void TForm1::LoadSettings()
{
    m_settingsPath = replaceExtension(m_platform.executablePath(), QStringLiteral(".ini"));
    if (QFileInfo::exists(m_settingsPath)) {
        QString error;
        const std::optional<QString> text = readTextFile(m_settingsPath, &error);
        if (!text)
            throw std::runtime_error(
                QStringLiteral("%1: %2").arg(m_settingsPath, error).toStdString());
        m_settings = std::make_unique<SettingsStore>(SettingsStore::fromText(*text));
    } else {
        m_settings = std::make_unique<SettingsStore>();
    }
    const SettingsStore& store = *m_settings;

    if (const auto position = readWindowPosition(
            store.readText(OptionsSection, PositionKey, QStringLiteral("0,0,0")))) {
        move(position->first, position->second);
        Winpos->setChecked(true);
    }

    for (const OptionKey& option : optionKeys()) {
        if (store.readInteger(OptionsSection, QLatin1String(option.key), 0) != 0)
            (this->*option.item)->setChecked(true);
    }
    if (store.readInteger(OptionsSection, HexKey, 0) != 0)
        HexChk->setChecked(true); // runs HexChkClick

    m_viewerPath = store.readText(OptionsSection, ViewerKey, QString());

    if (const std::optional<StoredFont> stored =
            readStoredFont(store.readText(OptionsSection, FontKey, QString()))) {
        QFont font = TextLabel->font();
        font.setFamily(stored->name);
        if (stored->pointSize != 0)
            font.setPixelSize(pixelsFromPoints(stored->pointSize));
        if (stored->bold)
            font.setBold(true);
        if (stored->italic)
            font.setItalic(true);
        ApplyPreviewFont(font);
    }

    SetList->clear();
    QStringList names = store.listKeys(SchemeSection);
    // The exit colours' key is found in any case, so it is no scheme in any case either.
    names.removeIf([](const QString& name) {
        return QString::compare(name, LastEndKey, Qt::CaseInsensitive) == 0;
    });
    if (CLsort->isChecked()) {
        sortSchemeNames(names, m_collator);
        m_schemesSorted = true;
    }
    SetList->addItems(names);

    ApplyScheme(-1);
}

bool TForm1::writeSettings()
{
    SettingsStore& store = *m_settings;
    store.writeText(OptionsSection, PositionKey,
                    Winpos->isChecked() ? QStringLiteral("1,%1,%2").arg(x()).arg(y())
                                        : QStringLiteral("0,0,0"));
    for (const OptionKey& option : optionKeys())
        store.writeText(OptionsSection, QLatin1String(option.key),
                        (this->*option.item)->isChecked() ? QStringLiteral("1")
                                                          : QStringLiteral("0"));
    store.writeText(OptionsSection, HexKey,
                    HexChk->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    store.writeText(OptionsSection, ViewerKey, m_viewerPath);

    const QFont font = TextLabel->font();
    StoredFont stored;
    stored.name = font.family();
    stored.pointSize = pointsFromPixels(font.pixelSize());
    stored.bold = font.bold();
    stored.italic = font.italic();
    store.writeText(OptionsSection, FontKey, storedFontText(stored));

    store.writeText(SchemeSection, LastEndKey, schemeValueText(m_body));

    QString error;
    if (writeTextLines(m_settingsPath, store.toLines(), &error))
        return true;
    showErrorBox(m_platform, this, QStringLiteral("%1: %2").arg(m_settingsPath, error));
    return false;
}
