#include "legibility_window.h"

#include "color_swatch.h"
#include "legibility_texts.h"
#include "window_metrics.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QToolButton>

namespace {

QFrame* makeSwatch(QWidget* parent, const QString& name)
{
    auto* swatch = new QFrame(parent);
    swatch->setObjectName(name);
    swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
    swatch->setFixedSize(SwatchSize, SwatchSize);
    swatch->setAutoFillBackground(true);
    return swatch;
}

QLabel* makeLabel(QWidget* parent, const QString& name, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

void fillSwatch(QFrame* swatch, ColorValue color)
{
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, qColor(color));
    swatch->setPalette(pal);
}

// The suggestion's swatch as the button's icon, framed as the other swatches are.
} // namespace

LegibilityWindow::LegibilityWindow(const BodyColorSet& colors, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_colors(colors)
{
    setObjectName(QStringLiteral("LegibilityForm"));
    setWindowTitle(LegibilityTexts::Caption());
    // NOTE: a window does not take its parent's font, so it names the program's own; and
    // it keeps the light palette of the program's other windows.
    setFont(uiFont());
    setPalette(lightPalette());

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0); // the rows are as tall as a suggestion button
    for (int i = 0; i < LegibilityRowCount; ++i)
        buildRow(grid, i);
    reserveRoom(grid);

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addLayout(grid);
    outer->addLayout(buildButtons());

    auto* copyKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_C), this);
    copyKey->setContext(Qt::WindowShortcut);
    connect(copyKey, &QShortcut::activated, this, &LegibilityWindow::CopyBtnClick);
    connect(CopyBtn, &QPushButton::clicked, this, &LegibilityWindow::CopyBtnClick);
    connect(FixAll, &QPushButton::clicked, this, &LegibilityWindow::fixAllClicked);
    connect(FixAAA, &QRadioButton::toggled, this, &LegibilityWindow::levelChanged);
}

void LegibilityWindow::buildRow(QGridLayout* grid, int index)
{
    RowWidgets& row = m_rows[static_cast<std::size_t>(index)];
    const QString n = QString::number(index);
    row.pair = makeLabel(this, QStringLiteral("Pair") + n, Qt::AlignLeft);
    row.foregroundSwatch = makeSwatch(this, QStringLiteral("ForeSwatch") + n);
    row.foregroundHex = makeLabel(this, QStringLiteral("ForeHex") + n, Qt::AlignLeft);
    row.backgroundSwatch = makeSwatch(this, QStringLiteral("BackSwatch") + n);
    row.backgroundHex = makeLabel(this, QStringLiteral("BackHex") + n, Qt::AlignLeft);
    row.ratio = makeLabel(this, QStringLiteral("Ratio") + n, Qt::AlignRight);
    row.verdict = makeLabel(this, QStringLiteral("Verdict") + n, Qt::AlignLeft);
    row.suggestion = new QToolButton(this);
    row.suggestion->setObjectName(QStringLiteral("Suggest") + n);
    row.suggestion->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    row.suggestion->setIconSize(QSize(SwatchSize, SwatchSize));
    row.suggestion->setAutoRaise(true);
    row.suggestion->setFocusPolicy(Qt::TabFocus);
    connect(row.suggestion, &QToolButton::clicked, this, [this, index] {
        const std::size_t r = static_cast<std::size_t>(index);
        if (m_suggestions[r])
            emit suggestionClicked(m_table[r].foreground, *m_suggestions[r]);
    });
    QWidget* cells[] = {
        row.pair,  row.foregroundSwatch, row.foregroundHex, row.backgroundSwatch, row.backgroundHex,
        row.ratio, row.verdict,          row.suggestion};
    for (int column = 0; column < 8; ++column)
        grid->addWidget(cells[column], index, column);
}

// Room for the widest values and a suggestion in every row, so the window keeps its size
// as the colours change.
void LegibilityWindow::reserveRoom(QGridLayout* grid)
{
    grid->setColumnMinimumWidth(5, fontMetrics().horizontalAdvance(QStringLiteral("21.00")));
    grid->setColumnMinimumWidth(
        6, fontMetrics().horizontalAdvance(LegibilityTexts::VerdictText(Verdict::AALarge)));
    QToolButton* first = m_rows[0].suggestion;
    first->setIcon(swatchIcon(0));
    first->setText(QStringLiteral("#DDDDDD"));
    grid->setColumnMinimumWidth(7, first->sizeHint().width());
    for (int i = 0; i < LegibilityRowCount; ++i)
        grid->setRowMinimumHeight(i, first->sizeHint().height());
}

QLayout* LegibilityWindow::buildButtons()
{
    FixAA = new QRadioButton(LegibilityTexts::FixAA(), this);
    FixAA->setObjectName(QStringLiteral("FixAA"));
    FixAA->setChecked(true);
    FixAAA = new QRadioButton(LegibilityTexts::FixAAA(), this);
    FixAAA->setObjectName(QStringLiteral("FixAAA"));
    auto* levels = new QButtonGroup(this);
    levels->addButton(FixAA);
    levels->addButton(FixAAA);
    FixAll = new QPushButton(LegibilityTexts::FixAll(), this);
    FixAll->setObjectName(QStringLiteral("FixAll"));
    FixAll->setAutoDefault(false);
    CopyBtn = new QPushButton(LegibilityTexts::Copy(), this);
    CopyBtn->setObjectName(QStringLiteral("CopyBtn"));
    CopyBtn->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FixAA);
    buttons->addWidget(FixAAA);
    buttons->addStretch();
    buttons->addWidget(FixAll);
    buttons->addWidget(CopyBtn);
    return buttons;
}

FixLevel LegibilityWindow::level() const
{
    return FixAAA->isChecked() ? FixLevel::AAA : FixLevel::AA;
}

void LegibilityWindow::setColors(const BodyColorSet& colors)
{
    m_colors = colors;
    m_stale = true;
    if (isVisible())
        refresh();
}

// Brought up to date before the window takes its size, so it opens at the size of its texts.
void LegibilityWindow::setVisible(bool visible)
{
    if (visible && m_stale)
        refresh();
    QWidget::setVisible(visible);
}

void LegibilityWindow::levelChanged()
{
    if (isVisible())
        showSuggestions();
    else
        m_stale = true;
}

void LegibilityWindow::refresh()
{
    m_table = legibilityTable(m_colors);
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        const LegibilityRow& data = m_table[i];
        RowWidgets& row = m_rows[i];
        row.pair->setText(QString::fromStdString(legibilityPairName(data)));
        fillSwatch(row.foregroundSwatch, data.foregroundColor);
        row.foregroundHex->setText(QString::fromStdString(colorHex(data.foregroundColor)));
        fillSwatch(row.backgroundSwatch, data.backgroundColor);
        row.backgroundHex->setText(QString::fromStdString(colorHex(data.backgroundColor)));
        row.ratio->setText(QString::fromStdString(contrastText(data.hundredths)));
        row.verdict->setText(LegibilityTexts::VerdictText(data.verdict));
    }
    showSuggestions();
    m_stale = false;
}

void LegibilityWindow::showSuggestions()
{
    m_suggestions = legibilitySuggestions(m_table, level());
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        QToolButton* button = m_rows[i].suggestion;
        const std::optional<ColorValue>& suggestion = m_suggestions[i];
        button->setVisible(!rowPasses(m_table[i], level()));
        button->setEnabled(suggestion.has_value());
        if (suggestion) {
            button->setIcon(swatchIcon(*suggestion));
            button->setText(QString::fromStdString(colorHex(*suggestion)));
            button->setToolTip(LegibilityTexts::SuggestionTip());
        } else {
            button->setIcon(QIcon());
            button->setText(LegibilityTexts::NoSuggestion());
            button->setToolTip(LegibilityTexts::NoSuggestionTip());
        }
    }
    describeRows();
}

QString LegibilityWindow::tableText() const
{
    if (!m_stale)
        return QString::fromStdString(legibilityText(m_table, m_suggestions));
    const LegibilityTable table = legibilityTable(m_colors);
    return QString::fromStdString(legibilityText(table, legibilitySuggestions(table, level())));
}

void LegibilityWindow::CopyBtnClick()
{
    QGuiApplication::clipboard()->setText(tableText());
}
