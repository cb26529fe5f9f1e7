// The interface language: a choice kept in the settings, read before the window is built.
#include "main_window.h"

#include "language.h"
#include "main_window_texts.h"
#include "menu_items.h"
#include "platform.h"
#include "settings_store.h"
#include "texts.h"

#include <QActionGroup>
#include <QMenu>

void TForm1::buildLanguageMenu(QMenu* option)
{
    QMenu* menu = addMenu(option, "Language", MainTexts::LanguageMenu());
    // In LanguageOption order: an item's data is the stored value.
    const std::pair<const char*, QString> items[] = {
        {"LanguageAuto", MainTexts::LanguageAutomatic()},
        {"LanguageJa", MainTexts::LanguageJapanese()},
        {"LanguageEn", MainTexts::LanguageEnglish},
    };
    m_languageGroup = addChoiceGroup(menu, items);
    connect(m_languageGroup, &QActionGroup::triggered, this, &TForm1::LanguageClick);
}

void TForm1::LanguageClick(QAction* item)
{
    const auto language = static_cast<LanguageOption>(item->data().toInt());
    if (language == m_language)
        return;
    m_language = language;
    m_languageChosen = true;
    // The texts are looked up as the windows are built, so a new language needs a new start.
    m_platform.messageBox(this, Texts::AppTitle, MainTexts::LanguageAtNextStart(),
                          Platform::Buttons::Ok, Platform::Icon::Information);
}

void TForm1::loadLanguageSetting(const SettingsStore& store)
{
    m_language = languageOptionFromStored(store.readInteger(LanguageSection, LanguageKey, 0));
    m_languageGroup->actions().at(static_cast<int>(m_language))->setChecked(true);
}

void TForm1::writeLanguageSetting(SettingsStore& store) const
{
    if (m_languageChosen)
        store.writeText(LanguageSection, LanguageKey,
                        QString::number(static_cast<int>(m_language)));
}
