#pragma once

#include "legibility.h"
#include "legibility_fix.h"

#include <QWidget>

#include <array>

class QFrame;
class QGridLayout;
class QLabel;
class QLayout;
class QPushButton;
class QRadioButton;
class QToolButton;

// A small window beside the main one: the contrast of each text colour against the
// background and of each link colour against the text, with the rules' verdicts, and for
// each pair that fails the chosen level the nearest colour that passes.
class LegibilityWindow : public QWidget {
    Q_OBJECT
public:
    explicit LegibilityWindow(const BodyColorSet& colors, QWidget* parent = nullptr);

    // The true colours of the page, never the simulated ones. A hidden window only keeps
    // them, and brings its table up to date when it is shown again.
    void setColors(const BodyColorSet& colors);
    void setVisible(bool visible) override;

    // The table as plain text, as the copy puts it on the clipboard.
    QString tableText() const;

    FixLevel level() const;

    QRadioButton* FixAA = nullptr;
    QRadioButton* FixAAA = nullptr;
    QPushButton* FixAll = nullptr;
    QPushButton* CopyBtn = nullptr;

signals:
    // A click on a row's suggestion: its foreground slot and the colour offered.
    void suggestionClicked(int slot, ColorValue color);
    void fixAllClicked();

private:
    struct RowWidgets {
        QLabel* pair = nullptr;
        QFrame* foregroundSwatch = nullptr;
        QLabel* foregroundHex = nullptr;
        QFrame* backgroundSwatch = nullptr;
        QLabel* backgroundHex = nullptr;
        QLabel* ratio = nullptr;
        QLabel* verdict = nullptr;
        QToolButton* suggestion = nullptr;
    };

    void buildRow(QGridLayout* grid, int index);
    void reserveRoom(QGridLayout* grid);
    QLayout* buildButtons();
    void CopyBtnClick();
    void levelChanged();
    void refresh();
    void showSuggestions();
    void describeRows(); // for screen readers

    std::array<RowWidgets, LegibilityRowCount> m_rows;
    BodyColorSet m_colors{};
    bool m_stale = true; // the table and suggestions do not yet show m_colors or the level
    LegibilityTable m_table{};
    LegibilitySuggestions m_suggestions{};
};
