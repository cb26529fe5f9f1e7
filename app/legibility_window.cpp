#include "legibility_window.h"

#include "layout_helpers.h"
#include "legibility_texts.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr int SwatchSize = 16; // pixels, square

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
    pal.setColor(QPalette::Window, QColor(redOf(color), greenOf(color), blueOf(color)));
    swatch->setPalette(pal);
}

} // namespace

LegibilityWindow::LegibilityWindow(const BodyColorSet& colors, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("LegibilityForm"));
    setWindowTitle(LegibilityTexts::Caption);
    // NOTE: a window does not take its parent's font, so it names the program's own; and
    // it keeps the light palette of the program's other windows.
    setFont(uiFont());
    setPalette(lightPalette());

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < LegibilityRowCount; ++i) {
        RowWidgets& row = m_rows[static_cast<std::size_t>(i)];
        const QString n = QString::number(i);
        row.pair = makeLabel(this, QStringLiteral("Pair") + n, Qt::AlignLeft);
        row.foregroundSwatch = makeSwatch(this, QStringLiteral("ForeSwatch") + n);
        row.foregroundHex = makeLabel(this, QStringLiteral("ForeHex") + n, Qt::AlignLeft);
        row.backgroundSwatch = makeSwatch(this, QStringLiteral("BackSwatch") + n);
        row.backgroundHex = makeLabel(this, QStringLiteral("BackHex") + n, Qt::AlignLeft);
        row.ratio = makeLabel(this, QStringLiteral("Ratio") + n, Qt::AlignRight);
        row.verdict = makeLabel(this, QStringLiteral("Verdict") + n, Qt::AlignLeft);
        QWidget* cells[] = {row.pair,          row.foregroundSwatch,
                            row.foregroundHex, row.backgroundSwatch,
                            row.backgroundHex, row.ratio,
                            row.verdict};
        for (int column = 0; column < 7; ++column)
            grid->addWidget(cells[column], i, column);
    }
    // Room for the widest values, so the window keeps its size as the colours change.
    grid->setColumnMinimumWidth(5, fontMetrics().horizontalAdvance(QStringLiteral("21.00")));
    grid->setColumnMinimumWidth(6, fontMetrics().horizontalAdvance(QStringLiteral("AA大")));

    CopyBtn = new QPushButton(LegibilityTexts::Copy, this);
    CopyBtn->setObjectName(QStringLiteral("CopyBtn"));
    CopyBtn->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CopyBtn);

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addLayout(grid);
    outer->addLayout(buttons);

    auto* copyKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_C), this);
    copyKey->setContext(Qt::WindowShortcut);
    connect(copyKey, &QShortcut::activated, this, &LegibilityWindow::CopyBtnClick);
    connect(CopyBtn, &QPushButton::clicked, this, &LegibilityWindow::CopyBtnClick);

    setColors(colors);
}

void LegibilityWindow::setColors(const BodyColorSet& colors)
{
    m_table = legibilityTable(colors);
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        const LegibilityRow& data = m_table[i];
        RowWidgets& row = m_rows[i];
        row.pair->setText(QString::fromStdString(legibilityPairName(data)));
        fillSwatch(row.foregroundSwatch, data.foregroundColor);
        row.foregroundHex->setText(QString::fromStdString(colorHex(data.foregroundColor)));
        fillSwatch(row.backgroundSwatch, data.backgroundColor);
        row.backgroundHex->setText(QString::fromStdString(colorHex(data.backgroundColor)));
        row.ratio->setText(QString::fromStdString(contrastText(data.hundredths)));
        const std::string_view verdict = verdictText(data.verdict);
        row.verdict->setText(
            QString::fromUtf8(verdict.data(), static_cast<qsizetype>(verdict.size())));
    }
}

QString LegibilityWindow::tableText() const
{
    return QString::fromStdString(legibilityText(m_table));
}

void LegibilityWindow::CopyBtnClick()
{
    QGuiApplication::clipboard()->setText(tableText());
}
