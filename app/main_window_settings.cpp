// Reading the settings file at start and writing it at close.
#include "main_window.h"

#include "dark_sets.h"
#include "error_box.h"
#include "file_paths.h"
#include "platform.h"
#include "scheme_order.h"
#include "scheme_value.h"
#include "settings_place.h"
#include "settings_store.h"
#include "settings_values.h"
#include "text_file.h"
#include "url_label.h"
#include "window_position.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <stdexcept>

namespace {

const QString OptionsSection = QStringLiteral("Options");
const QString PositionKey = QStringLiteral("Position");
const QString HexKey = QStringLiteral("Digi16");
const QString ViewerKey = QStringLiteral("ImgViewer");
const QString FontKey = QStringLiteral("Font");

// The user's settings folder is made at the first close that needs it, private to the
// user as the XDG base directory rules ask.
void makeSettingsFolder(const QString& file)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (QFileInfo::exists(folder) || !QDir().mkpath(folder))
        return;
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QList<QRect> availableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

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
    const SettingsPlace place = chooseSettingsPlace(
        observeSettingsPlaces(m_platform.executablePath(), m_platform.configFolder()));
    m_settingsPath = place.writeTo;
    if (!place.unreadable.isEmpty()) {
        QString error;
        readTextFile(place.unreadable, &error);
        showErrorBox(m_platform, this, QStringLiteral("%1: %2").arg(place.unreadable, error));
    }
    if (!place.readFrom.isEmpty() && QFileInfo::exists(place.readFrom)) {
        QString error;
        const std::optional<QString> text = readTextFile(place.readFrom, &error);
        if (!text)
            throw std::runtime_error(
                QStringLiteral("%1: %2").arg(place.readFrom, error).toStdString());
        m_settings = std::make_unique<SettingsStore>(SettingsStore::fromText(*text));
    } else {
        m_settings = std::make_unique<SettingsStore>();
    }
    const SettingsStore& store = *m_settings;

    m_positionAsRead = store.readText(OptionsSection, PositionKey, QStringLiteral("0,0,0"));
    if (const auto position = readWindowPosition(m_positionAsRead)) {
        // A position where the title bar cannot be reached is not restored; the window
        // goes where the window system puts new windows.
        const QPoint topLeft(position->first, position->second);
        if (m_platform.windowPositionKnown() &&
            titleStripReachable(topLeft, frameGeometry().width(), availableScreenAreas()))
            move(topLeft);
        Winpos->setChecked(true);
    }

    for (const OptionKey& option : optionKeys()) {
        if (store.readInteger(OptionsSection, QLatin1String(option.key), 0) != 0)
            (this->*option.item)->setChecked(true);
    }
    if (store.readInteger(OptionsSection, HexKey, 0) != 0)
        HexChk->setChecked(true); // runs HexChkClick
    loadLanguageSetting(store);

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

    dropStaleDarkLines();
    ApplyScheme(-1);
}

bool TForm1::writeSettings()
{
    SettingsStore& store = *m_settings;
    QString position = QStringLiteral("0,0,0");
    // Where the window cannot know its place, the place read at start is kept.
    if (Winpos->isChecked())
        position = m_platform.windowPositionKnown() ? QStringLiteral("1,%1,%2").arg(x()).arg(y())
                                                    : m_positionAsRead;
    store.writeText(OptionsSection, PositionKey, position);
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
    writeLanguageSetting(store);

    store.writeText(SchemeSection, LastEndKey, schemeValueText(m_sets.light()));
    writeDarkLine(LastEndKey);

    makeSettingsFolder(m_settingsPath);
    QString error;
    if (writeTextLines(m_settingsPath, store.toLines(), &error, WriteMode::AtomicOrInPlace))
        return true;
    showErrorBox(m_platform, this, QStringLiteral("%1: %2").arg(m_settingsPath, error));
    return false;
}
