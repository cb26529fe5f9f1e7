#include "named_color_dialog.h"

#include "color_swatch.h"
#include "named_color_filter.h"
#include "named_color_table.h"
#include "named_color_texts.h"
#include "window_metrics.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int VisibleRows = 14;

} // namespace

NamedColorDialog::NamedColorDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PickNamedDialog"));
    setWindowTitle(NamedColorTexts::Caption());
    setFont(uiFont());

    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("NameFilter"));
    m_field->setAccessibleName(NamedColorTexts::FieldName());
    m_field->setPlaceholderText(NamedColorTexts::FieldName());
    m_field->installEventFilter(this);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("NamedColorList"));
    m_list->setAccessibleName(NamedColorTexts::ListName());
    m_list->setIconSize(QSize(SwatchSize, SwatchSize));
    m_list->setUniformItemSizes(true);
    // The field keeps the focus; the list is reached with the arrow keys or the mouse.
    m_list->setFocusPolicy(Qt::NoFocus);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    layout->addWidget(m_list);
    layout->addWidget(m_buttons);

    connect(m_field, &QLineEdit::textChanged, this, &NamedColorDialog::showMatches);
    // The focus stays in the field, so the field tells a reader which colour is selected.
    connect(m_list, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        m_field->setAccessibleDescription(text);
        QAccessibleEvent changed(m_field, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &NamedColorDialog::accept);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &NamedColorDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &NamedColorDialog::reject);
    showMatches(QString());
    m_list->setMinimumHeight(m_list->sizeHintForRow(0) * VisibleRows + 2 * m_list->frameWidth());
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 24);
}

void NamedColorDialog::showMatches(const QString& query)
{
    m_list->clear();
    const QByteArray typed = query.toUtf8();
    const std::string_view text(typed.constData(), static_cast<std::size_t>(typed.size()));
    // A whole name goes to its own row, though longer names holding it stand before it.
    const std::optional<ColorValue> named = ColorByName(query.trimmed().toLower().toStdString());
    int selected = -1;
    for (int index : filterNamedColors(text)) {
        const NamedColor& row = NamedColorTable::row(index);
        auto* item = new QListWidgetItem(
            swatchIcon(row.value),
            QStringLiteral("%1  %2").arg(
                QString::fromLatin1(row.name.data(), static_cast<qsizetype>(row.name.size())),
                QString::fromStdString(colorHex(row.value))),
            m_list);
        item->setData(Qt::UserRole, row.value);
        if (named && row.value == *named && selected < 0)
            selected = m_list->count() - 1;
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(std::max(selected, 0));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_list->count() > 0);
}

ColorValue NamedColorDialog::color() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toUInt() : 0;
}

void NamedColorDialog::accept()
{
    // Nothing found, nothing to take: Return leaves the dialog open.
    if (m_list->currentItem())
        QDialog::accept();
}

bool NamedColorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QApplication::sendEvent(m_list, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
