// The main window's legibility check and colour-vision preview.
#include "main_window.h"

#include "click_panel.h"
#include "legibility.h"
#include "legibility_fix.h"
#include "legibility_texts.h"
#include "legibility_window.h"
#include "legible_background.h"
#include "main_window_accessibility.h"
#include "main_window_texts.h"
#include "menu_items.h"
#include "platform.h"
#include "texts.h"
#include "url_label.h"

#include <QActionGroup>
#include <QMenu>

void TForm1::buildLegibilityMenu(QMenu* show)
{
    Legibility = addItem(show, "Legibility", LegibilityTexts::Legibility(),
                         QKeySequence(Qt::CTRL | Qt::Key_K));
    QMenu* vision = addMenu(show, "ColorVision", LegibilityTexts::ColorVisionMenu());
    const char* names[] = {"VisionNone", "VisionP", "VisionD", "VisionT", "VisionA"};
    std::pair<const char*, QString> items[std::size(names)];
    for (std::size_t kind = 0; kind < std::size(names); ++kind)
        items[kind] = {names[kind], LegibilityTexts::ColorVisionItems(static_cast<int>(kind))};
    m_colorVisionGroup = addChoiceGroup(vision, items);
    buildDarkMenu(show);
}

LegibilityWindow* TForm1::legibilityWindow()
{
    if (!m_legibility) {
        m_legibility = new LegibilityWindow(m_sets.shown(), this);
        connect(this, &TForm1::bodyColorsChanged, m_legibility, &LegibilityWindow::setColors);
        connect(m_legibility, &LegibilityWindow::suggestionClicked, this, &TForm1::SuggestionClick);
        connect(m_legibility, &LegibilityWindow::fixAllClicked, this, &TForm1::FixAllClick);
    }
    return m_legibility;
}

void TForm1::LegibilityClick()
{
    LegibilityWindow* window = legibilityWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

// As a click on the slot's preview label, then as the palette loads a colour: the user
// applies it with the swatch.
void TForm1::SuggestionClick(int slot, ColorValue color)
{
    SelectSlot(slot);
    SetEditColor(color);
    ColorPending = true;
}

// Each changed slot goes in as a swatch click puts it, with its undo entry, so Ctrl+Z takes
// the changes back one at a time. Where the background itself must change, the nearest one
// that lets every pair pass is offered first.
void TForm1::FixAllClick()
{
    const FixLevel level = m_legibility->level();
    const QString levelText = level == FixLevel::AA ? QStringLiteral("AA") : QStringLiteral("AAA");
    const std::optional<BodyColorSet> fixed = nearestLegibleBackground(m_sets.shown(), level);
    if (!fixed) {
        m_platform.messageBox(m_legibility, Texts::AppTitle,
                              LegibilityTexts::FixAllImpossible().arg(levelText),
                              Platform::Buttons::Ok, Platform::Icon::Exclamation);
        return;
    }
    const QString background = QString::fromStdString(colorHex((*fixed)[BGCOLOR]));
    if ((*fixed)[BGCOLOR] != m_sets.shown()[BGCOLOR] &&
        !confirmed(m_legibility, LegibilityTexts::FixAllNewBackground().arg(background, levelText)))
        return;
    applyFixedColors(*fixed);
}

void TForm1::applyFixedColors(const BodyColorSet& fixed)
{
    const int selected = selectedSlot();
    bool moved = false;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const ColorValue color = fixed[static_cast<std::size_t>(slot)];
        if (SlotColor(slot) == color)
            continue;
        SelectSlot(slot);
        SetEditColor(color);
        ColorPending = true;
        moved = true;
        ColBoxClick();
        if (SlotColor(slot) != color)
            break; // the apply said why it could not
    }
    if (moved)
        SelectSlot(selected);
}

void TForm1::ColorVisionClick(QAction* item)
{
    const int kind = item->data().toInt();
    m_colorVision = static_cast<ColorVision>(kind);
    for (int slot = 0; slot < SlotCount; ++slot)
        drawSlotColor(slot);
    updateTitle();
}

void TForm1::drawSlotColor(int slot)
{
    // Only the preview shows the simulation; the body colours themselves stay true.
    const ColorValue shown =
        simulateColorVision(m_colorVision, m_sets.shown().at(static_cast<std::size_t>(slot)));
    if (slot == BGCOLOR)
        BGpanel->setFillColor(shown);
    else
        m_slotLabels[slot]->setFontColor(shown);
    // A reader hears the true colour, as copies and templates take it.
    describeColor(slot == BGCOLOR ? static_cast<QWidget*>(BGpanel) : m_slotLabels[slot],
                  m_sets.shown().at(static_cast<std::size_t>(slot)));
}
