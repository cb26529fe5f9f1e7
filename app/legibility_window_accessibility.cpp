// The legibility window as a screen reader hears it: each row as one text, each suggestion
// by what it does.
#include "legibility_window.h"

#include "legibility_texts.h"
#include "main_window_accessibility.h"
#include "main_window_texts.h"

#include <QLabel>
#include <QToolButton>

void LegibilityWindow::describeRows()
{
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        const LegibilityRow& data = m_table[i];
        RowWidgets& row = m_rows[i];
        row.pair->setAccessibleName(LegibilityTexts::RowAccessible().arg(
            QString::fromStdString(legibilityPairName(data)),
            QString::fromStdString(colorHex(data.foregroundColor)),
            QString::fromStdString(colorHex(data.backgroundColor)),
            QString::fromStdString(contrastText(data.hundredths)),
            LegibilityTexts::VerdictText(data.verdict)));
        if (const std::optional<ColorValue>& suggestion = m_suggestions[i]) {
            describeColor(row.suggestion, *suggestion);
            row.suggestion->setAccessibleName(LegibilityTexts::SuggestionAccessible().arg(
                MainTexts::SlotNames[data.foreground], row.suggestion->accessibleDescription()));
        } else {
            row.suggestion->setAccessibleName(LegibilityTexts::NoSuggestion());
            row.suggestion->setAccessibleDescription(LegibilityTexts::NoSuggestionTip());
        }
    }
}
