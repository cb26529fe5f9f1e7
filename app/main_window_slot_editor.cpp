// The main window's slot editor: the body colours, the editor colour and its controls.
#include "main_window.h"

#include "click_panel.h"
#include "int_edit.h"
#include "main_window_accessibility.h"
#include "main_window_texts.h"
#include "named_color_table.h"
#include "platform.h"
#include "texts.h"
#include "up_down.h"
#include "url_label.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QSlider>

#include <new>

ColorValue TForm1::SlotColor(int slot) const
{
    return m_sets.shown().at(static_cast<std::size_t>(slot));
}

void TForm1::SetSlotColor(int slot, ColorValue color)
{
    m_sets.shown().at(static_cast<std::size_t>(slot)) = color;
    drawSlotColor(slot);
    emit bodyColorsChanged(m_sets.shown());
}

// The five colours go in together and are announced once, so a scheme or a pasted tag
// costs those who follow the colours one update, not five.
void TForm1::SetBodyColors(const BodyColorSet& colors)
{
    m_sets.shown() = colors;
    for (int slot = 0; slot < SlotCount; ++slot)
        drawSlotColor(slot);
    emit bodyColorsChanged(m_sets.shown());
}

int TForm1::selectedSlot() const
{
    return m_colTypeGroup->checkedId();
}

void TForm1::setColBoxColor(ColorValue color)
{
    m_editColor = color;
    ColBox->setFillColor(color);
    describeColor(ColBox, color);
}

void TForm1::setHexCaption()
{
    ColHex->setText(QString::fromStdString(
        colorHex(rgbColor(Rval->Integer(), Gval->Integer(), Bval->Integer()))));
}

void TForm1::RefreshEditColor()
{
    setHexCaption();
    setColBoxColor(rgbColor(Rval->Integer(), Gval->Integer(), Bval->Integer()));
    ColHex->setToolTip(QString::fromStdString(ColorName(m_editColor)));
    ColorPending = true;
}

void TForm1::SetEditColor(ColorValue color)
{
    const int parts[3] = {redOf(color), greenOf(color), blueOf(color)};
    for (int i = 0; i < 3; ++i) {
        // Each set raises its control's change only when the value differs, so the
        // nested handlers run exactly when something moved.
        m_fields[i]->SetInteger(parts[i]);
        m_upDowns[i]->setPosition(m_fields[i]->Integer());
        m_bars[i]->setValue(m_fields[i]->Integer());
    }
    setHexCaption();
    setColBoxColor(color);
}

void TForm1::restoreEditColor(ColorValue color, bool pending)
{
    SetEditColor(color);
    ColorPending = pending;
}

void TForm1::SelectSlot(int slot)
{
    if (selectedSlot() != slot) {
        m_colTypeGroup->button(slot)->setChecked(true);
        ColTypeClick();
    }
    SetEditColor(SlotColor(slot));
}

void TForm1::ColTypeClick()
{
    const int slot = selectedSlot();
    if (slot >= 0 && slot < SlotCount)
        SetEditColor(SlotColor(slot));
}

void TForm1::BGpanelClick()
{
    SelectSlot(BGCOLOR);
}
void TForm1::TextLabelClick()
{
    SelectSlot(TEXT);
}
void TForm1::LinkLabelClick()
{
    SelectSlot(LINK);
}
void TForm1::VlinkLabelClick()
{
    SelectSlot(VLINK);
}
void TForm1::AlinkLabelClick()
{
    SelectSlot(ALINK);
}

void TForm1::barChange(int component)
{
    m_fields[component]->SetInteger(m_bars[component]->value());
    RefreshEditColor();
}

void TForm1::fieldEnter(int component)
{
    const int value = m_fields[component]->Integer();
    m_bars[component]->setValue(value); // the bar keeps it within 0..255
    m_upDowns[component]->setPosition(value);
    RefreshEditColor();
}

void TForm1::upDownClick(int component, int step)
{
    m_fields[component]->SetInteger(m_fields[component]->Integer() + step);
}

void TForm1::ColBoxClick()
{
    if (!ColorPending)
        return;
    const int slot = selectedSlot();
    if (slot < 0 || slot >= SlotCount)
        return;
    const ColorValue old = SlotColor(slot);
    if (old == m_editColor) {
        ColorPending = false;
        return;
    }
    try {
        m_undo.push(slot, old, m_sets.shownKind());
    } catch (const std::bad_alloc&) {
        m_platform.messageBox(this, Texts::AppTitle, MainTexts::UndoAllocationFailed(),
                              Platform::Buttons::Ok, Platform::Icon::Exclamation);
        return;
    }
    SetSlotColor(slot, m_editColor);
    Cundo->setEnabled(ColorPending);
}

void TForm1::CundoClick()
{
    const std::optional<ColorUndoEntry> entry = m_undo.top();
    if (!entry) {
        // Only after a close that failed: the stack was emptied but the item stayed on.
        Cundo->setEnabled(false);
        return;
    }
    // The entry's set is shown first, so the user sees what comes back.
    if (entry->set != m_sets.shownKind())
        showColorSet(entry->set);
    SetSlotColor(entry->slot, entry->color);
    if (selectedSlot() != entry->slot) {
        m_colTypeGroup->button(entry->slot)->setChecked(true);
        ColTypeClick();
    }
    SetEditColor(entry->color);
    m_undo.pop();
    if (m_undo.empty()) {
        ColorPending = false;
        Cundo->setEnabled(false);
    }
}

void TForm1::SetHexMode(TIntEdit* field, bool hexadecimal)
{
    // Qt cuts a text set from code to the maximum length, so the longer limit goes
    // first and the shorter one last.
    if (hexadecimal) {
        field->SetInputMode(imHex);
        field->SetOutputMode(imHex);
        field->SetFillChar(QStringLiteral("0"));
        field->setMaxLength(2);
    } else {
        field->setMaxLength(3);
        field->SetInputMode(imDec);
        field->SetOutputMode(imDec);
        field->SetFillChar(QString());
    }
}

void TForm1::HexChkClick()
{
    for (TIntEdit* field : m_fields)
        SetHexMode(field, HexChk->isChecked());
}
