// The main window's scheme list.
#include "main_window.h"

#include "dark_sets.h"
#include "int_edit.h"
#include "platform.h"
#include "scheme_list_texts.h"
#include "scheme_order.h"
#include "scheme_value.h"
#include "secondary_windows.h"
#include "settings_store.h"
#include "texts.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void TForm1::ApplyScheme(int index)
{
    const SettingsStore& store = *m_settings;
    QString key = index < 0 ? QString(LastEndKey) : SetList->itemText(index);
    QString value = store.readText(SchemeSection, key, NoneMarker);
    if (index < 0 && value == NoneMarker) {
        key = SetList->count() > 0 ? SetList->itemText(0) : QString();
        value = store.readText(SchemeSection, key, NoneMarker);
    }
    if (value == NoneMarker)
        return;
    if (const std::optional<BodyColorSet> colors = readSchemeColors(value)) {
        // A scheme comes with its own dark set or none, and the light set is shown: drawn
        // once, so that an open legibility window computes once.
        const bool darkWasShown = m_sets.darkShown();
        m_sets.setLight(*colors);
        m_sets.show(ColorSetKind::Light);
        loadDarkLine(key);
        if (darkWasShown)
            showColorSet(ColorSetKind::Light);
        else
            SetBodyColors(*colors);
    }
}

void TForm1::setListTip(int index)
{
    SetList->setToolTip(index >= 0 && index < SetList->count() ? SetList->itemText(index)
                                                               : QString());
}

void TForm1::updateSchemeButtons()
{
    const bool any = SetList->count() > 0;
    UpdBtn->setEnabled(any);
    DelBtn->setEnabled(any);
}

void TForm1::SetListChange(int index)
{
    ApplyScheme(index);
    SelectSlot(BGCOLOR);
    setListTip(index);
    ColorPending = false;
    Cundo->setEnabled(false);
}

void TForm1::addSchemeName(const QString& name)
{
    int index = SetList->count();
    if (m_schemesSorted) {
        QStringList names;
        names.reserve(SetList->count());
        for (int i = 0; i < SetList->count(); ++i)
            names << SetList->itemText(i);
        index = sortedInsertIndex(names, name, m_collator);
    }
    SetList->insertItem(index, name);
    SetList->setCurrentIndex(index);
}

void TForm1::AddBtnClick()
{
    form2()->SetName->clear();
    form2()->move(x() + 4, y() + 256);
    if (form2()->exec() != QDialog::Accepted)
        return;
    const QString name = form2()->SetName->text();
    if (name.isEmpty())
        return;
    if (!isStorableSchemeName(name)) {
        m_platform.messageBox(this, Texts::AppTitle, SchemeTexts::NameUnusable(),
                              Platform::Buttons::Ok, Platform::Icon::Exclamation);
        return;
    }
    QStringList names;
    names.reserve(SetList->count());
    for (int i = 0; i < SetList->count(); ++i)
        names << SetList->itemText(i);
    if (indexOfNameIgnoringCase(names, name) >= 0) {
        m_platform.messageBox(this, Texts::AppTitle, SchemeTexts::NameInUse(),
                              Platform::Buttons::Ok, Platform::Icon::Exclamation);
        return;
    }
    addSchemeName(name);
    SetList->setToolTip(name);
    m_settings->writeText(SchemeSection, name, schemeValueText(m_sets.light()));
    writeDarkLine(name);
    updateSchemeButtons();
}

void TForm1::UpdBtnClick()
{
    const int index = SetList->currentIndex();
    if (index < 0)
        return;
    if (!confirmed(this, SchemeTexts::ConfirmReplace()))
        return;
    m_settings->writeText(SchemeSection, SetList->itemText(index), schemeValueText(m_sets.light()));
    writeDarkLine(SetList->itemText(index));
}

void TForm1::DelBtnClick()
{
    int index = SetList->currentIndex();
    if (index < 0)
        return;
    if (!confirmed(this, SchemeTexts::ConfirmDelete()))
        return;
    m_settings->deleteKey(SchemeSection, SetList->itemText(index));
    m_settings->deleteKey(DarkSchemeSection, SetList->itemText(index));
    SetList->setUpdatesEnabled(false);
    SetList->removeItem(index);
    if (index >= SetList->count())
        index = SetList->count() - 1;
    SetList->setCurrentIndex(index);
    setListTip(index);
    SetList->setUpdatesEnabled(true);
    ApplyScheme(index);
    SelectSlot(BGCOLOR);
    ColorPending = false;
    updateSchemeButtons();
}

void TForm1::CLsortClick()
{
    if (m_schemesSorted) {
        m_schemesSorted = false;
        CLsort->setChecked(false);
        return;
    }
    const QString selected = SetList->currentText();
    const bool hadSelection = SetList->currentIndex() >= 0;
    CLsort->setChecked(true);
    m_schemesSorted = true;
    QStringList names;
    names.reserve(SetList->count());
    for (int i = 0; i < SetList->count(); ++i)
        names << SetList->itemText(i);
    sortSchemeNames(names, m_collator);
    SetList->setUpdatesEnabled(false);
    SetList->clear();
    SetList->addItems(names);
    if (hadSelection)
        SetList->setCurrentIndex(indexOfNameIgnoringCase(names, selected));
    SetList->setUpdatesEnabled(true);
}
