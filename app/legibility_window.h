#pragma once

#include "legibility.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

// A small window beside the main one: the contrast of each text colour against the
// background and of each link colour against the text, with the rules' verdicts.
class LegibilityWindow : public QWidget {
    Q_OBJECT
public:
    explicit LegibilityWindow(const BodyColorSet& colors, QWidget* parent = nullptr);

    // The true colours of the page, never the simulated ones.
    void setColors(const BodyColorSet& colors);

    // The table as plain text, as the copy puts it on the clipboard.
    QString tableText() const;

    QPushButton* CopyBtn = nullptr;

private:
    struct RowWidgets {
        QLabel* pair = nullptr;
        QFrame* foregroundSwatch = nullptr;
        QLabel* foregroundHex = nullptr;
        QFrame* backgroundSwatch = nullptr;
        QLabel* backgroundHex = nullptr;
        QLabel* ratio = nullptr;
        QLabel* verdict = nullptr;
    };

    void CopyBtnClick();

    std::array<RowWidgets, LegibilityRowCount> m_rows;
    LegibilityTable m_table{};
};
