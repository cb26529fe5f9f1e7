// The main window's dark scheme: a second set of the five colours, shown in place of the
// light one, derived so that every pair passes, stored beside the schemes.
#include "main_window.h"

#include "dark_derivation.h"
#include "dark_sets.h"
#include "dark_texts.h"
#include "legibility_texts.h"
#include "legibility_window.h"
#include "main_window_texts.h"
#include "menu_items.h"
#include "platform.h"
#include "scheme_value.h"
#include "settings_store.h"
#include "texts.h"

#include <QAction>
#include <QMenu>

void TForm1::buildDarkMenu(QMenu* show)
{
    show->addSeparator();
    DarkScheme = addItem(show, "DarkScheme", DarkTexts::DarkScheme(),
                         QKeySequence(Qt::CTRL | Qt::Key_D), true);
    DarkDelete = addItem(show, "DarkDelete", DarkTexts::DarkDelete());
    DarkDelete->setEnabled(false);
    connect(DarkScheme, &QAction::triggered, this, &TForm1::DarkSchemeClick);
    connect(DarkDelete, &QAction::triggered, this, &TForm1::DarkDeleteClick);
}

void TForm1::DarkSchemeClick(bool checked)
{
    if (checked && !m_sets.hasDark()) {
        // At AAA no dark set exists: a link cannot be 7:1 against a dark page and 3:1
        // against its text at once. It is made at AA, and the user told so.
        const bool aaa = m_legibility && m_legibility->level() == FixLevel::AAA;
        setDarkSet(deriveDarkSet(m_sets.light(), FixLevel::AA));
        if (aaa)
            m_platform.messageBox(this, Texts::AppTitle, DarkTexts::NoDarkAtLevel(),
                                  Platform::Buttons::Ok, Platform::Icon::Information);
    }
    showColorSet(checked && m_sets.hasDark() ? ColorSetKind::Dark : ColorSetKind::Light);
}

void TForm1::DarkDeleteClick()
{
    if (!m_sets.hasDark() || !confirmed(this, DarkTexts::ConfirmDelete()))
        return;
    setDarkSet(std::nullopt);
    m_undo.removeSet(ColorSetKind::Dark);
    Cundo->setEnabled(!m_undo.empty());
}

// Replaces the dark set; when that takes away the dark set shown, the light one is drawn.
void TForm1::setDarkSet(const std::optional<BodyColorSet>& dark)
{
    const ColorSetKind before = m_sets.shownKind();
    m_sets.setDark(dark);
    DarkDelete->setEnabled(m_sets.hasDark());
    if (m_sets.shownKind() != before)
        showColorSet(m_sets.shownKind());
}

void TForm1::showColorSet(ColorSetKind kind)
{
    m_sets.show(kind);
    DarkScheme->setChecked(m_sets.darkShown());
    for (int slot = 0; slot < SlotCount; ++slot)
        drawSlotColor(slot);
    emit bodyColorsChanged(m_sets.shown());
    updateTitle();
    // The editor follows the selected slot of the set now shown.
    SelectSlot(selectedSlot());
}

void TForm1::updateTitle()
{
    QString title = MainTexts::Caption;
    if (m_sets.darkShown())
        title += LegibilityTexts::TitleSeparator + DarkTexts::TitleDark();
    if (m_colorVision != ColorVision::None)
        title += LegibilityTexts::TitleSeparator +
                 LegibilityTexts::ColorVisionTitles(static_cast<int>(m_colorVision));
    setWindowTitle(title);
}

void TForm1::writeDarkLine(const QString& key)
{
    if (m_sets.hasDark())
        m_settings->writeText(DarkSchemeSection, key, darkSchemeValueText(*m_sets.dark()));
    else
        m_settings->deleteKey(DarkSchemeSection, key);
}

void TForm1::loadDarkLine(const QString& key)
{
    const QString value = m_settings->readText(DarkSchemeSection, key, NoneMarker);
    setDarkSet(value == NoneMarker ? std::nullopt : readDarkSchemeColors(value));
}

// A dark line whose value is damaged or whose scheme is gone is neither loaded nor written
// back; a section left empty goes with its lines, so the file is as if none had been made.
void TForm1::dropStaleDarkLines()
{
    SettingsStore& store = *m_settings;
    for (const QString& key : store.listKeys(DarkSchemeSection)) {
        // A line without "=" lists as an empty key; no lookup finds it, so it stays.
        if (key.isEmpty() ||
            (store.hasKey(SchemeSection, key) &&
             readDarkSchemeColors(store.readText(DarkSchemeSection, key, NoneMarker))))
            continue;
        store.deleteKey(DarkSchemeSection, key);
    }
    if (store.hasSection(DarkSchemeSection) && store.listKeys(DarkSchemeSection).isEmpty())
        store.deleteSection(DarkSchemeSection);
}
