#include "main_window_accessibility.h"

#include "click_panel.h"
#include "main_window.h"
#include "main_window_texts.h"
#include "named_color_table.h"
#include "url_label.h"

#include <QAccessible>
#include <QWidget>

namespace {

struct AccessibleText {
    const char* objectName;
    // Looked up when the names are given, in the language of the interface.
    QString (*name)();
    QString (*description)() = nullptr;
};

// The field, its bar and its up-down carry one name: a reader tells them apart by their role.
const AccessibleText kMainWindowTexts[] = {
    {"Rval", MainTexts::RedName},
    {"Rbar", MainTexts::RedName},
    {"Rupdwn", MainTexts::RedName},
    {"Gval", MainTexts::GreenName},
    {"Gbar", MainTexts::GreenName},
    {"Gupdwn", MainTexts::GreenName},
    {"Bval", MainTexts::BlueName},
    {"Bbar", MainTexts::BlueName},
    {"Bupdwn", MainTexts::BlueName},
    {"SetList", MainTexts::SchemeListName},
    {"BitBtn1", MainTexts::EyedropperName, MainTexts::EyedropperDescription},
    {"ColBtn", MainTexts::ColorDialogHint},
    {"CPallet", MainTexts::PaletteName, MainTexts::PaletteDescription},
    {"ColBox", MainTexts::SwatchName},
    {"BGpanel", MainTexts::BackgroundName},
    {"ColType", MainTexts::SlotTypeName},
};

} // namespace

// Names for the controls whose captions do not say what they are; the colours shown are
// described as they are drawn.
void TForm1::nameControls()
{
    for (const AccessibleText& row : kMainWindowTexts) {
        auto* widget = findChild<QWidget*>(QLatin1String(row.objectName));
        widget->setAccessibleName(row.name());
        if (row.description)
            widget->setAccessibleDescription(row.description());
    }
}

void describeColor(QWidget* widget, ColorValue color)
{
    const std::string hex = colorHex(color);
    const std::string name = ColorName(color);
    const QString text = QString::fromStdString(name == hex ? hex : hex + ' ' + name);
    if (widget->accessibleDescription() == text)
        return;
    widget->setAccessibleDescription(text);
    // Told, a reader says the new colour at once, and the bridge's cache follows.
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}
