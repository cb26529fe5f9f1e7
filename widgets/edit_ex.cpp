#include "edit_ex.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QValidator>

#include <optional>

// Refuses user edits that would lengthen the text beyond the field's limit; text set
// by the program and edits that shorten an over-long text go through.
class TCustomEditEx::LimitValidator final : public QValidator {
public:
    explicit LimitValidator(TCustomEditEx& edit)
        : QValidator(&edit)
        , m_edit(edit)
    {
    }

    State validate(QString& input, int&) const override
    {
        return m_edit.allowsUserText(input) ? Acceptable : Invalid;
    }

private:
    const TCustomEditEx& m_edit;
};

namespace {

constexpr Qt::KeyboardModifiers CommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// The window's menu owns these: copy, paste, select-all/copy-all, cut and undo.
bool isWindowShortcutKey(const QKeyEvent& event)
{
    if ((event.modifiers() & (CommandModifiers | Qt::ShiftModifier)) != Qt::ControlModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
    case Qt::Key_Z:
        return true;
    default:
        return false;
    }
}

// The character a key press types, as an edit control receives it: printable text,
// Backspace (8), Tab (9), Enter (13), Ctrl+Backspace (127) and Ctrl+letter (1-26).
// Keys that only move the caret or delete forward type nothing.
std::optional<char32_t> typedCharacter(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & CommandModifiers;
    switch (event.key()) {
    case Qt::Key_Backspace:
        return modifiers & Qt::ControlModifier ? 127 : 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        break;
    }
    if (modifiers == Qt::ControlModifier && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return static_cast<char32_t>(event.key() - Qt::Key_A + 1);
    if (modifiers == Qt::NoModifier) {
        const QList<uint> text = event.text().toUcs4();
        if (!text.isEmpty() && text.front() >= 0x20 && text.front() != 0x7F)
            return text.front();
    }
    return std::nullopt;
}

bool isArrowKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

bool canTakeFocus(const QWidget& widget)
{
    return (widget.focusPolicy() & Qt::TabFocus) && widget.isVisible() && widget.isEnabled();
}

// Windows of their own, such as a combo box's popup, are not part of the control.
bool hasChildWidgets(const QWidget& widget)
{
    for (const QObject* child : widget.children()) {
        const auto* childWidget = qobject_cast<const QWidget*>(child);
        if (childWidget && !childWidget->isWindow())
            return true;
    }
    return false;
}

} // namespace

TCustomEditEx::TCustomEditEx(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new LimitValidator(*this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_lastText = text;
        Change();
    });
}

void TCustomEditEx::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    // Qt has no Windows 9x platform family, so the multi-line creation that family
    // needed for right or centred text never applies; Enter is never swallowed for it.
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == taRightJustify)
        horizontal = Qt::AlignRight;
    else if (alignment == taCenter)
        horizontal = Qt::AlignHCenter;
    setAlignment(horizontal | Qt::AlignVCenter);
}

void TCustomEditEx::setEscToExit(bool on)
{
    m_escToExit = on;
    if (on)
        m_escToReset = true;
}

void TCustomEditEx::setMaxLength(int length)
{
    m_maxLength = qMax(0, length);
}

void TCustomEditEx::ExitExEvent()
{
    QWidget* const top = window();
    QWidget* const first = nextInFocusChain();
    QWidget* candidate = first;
    do {
        if (candidate == this)
            break;
        if (candidate->window() == top && canTakeFocus(*candidate) &&
            !hasChildWidgets(*candidate)) {
            candidate->setFocus(Qt::TabFocusReason);
            return;
        }
        candidate = candidate->nextInFocusChain();
    } while (candidate && candidate != first);
}

void TCustomEditEx::CursorKey(int key)
{
    // The handler may change its copy; the key goes on unchanged.
    int reported = key;
    emit OnCursorKey(reported);
}

void TCustomEditEx::EnterKey()
{
    emit OnEnterKey();
    ExitExEvent();
}

bool TCustomEditEx::EscapeKey()
{
    bool canReset = m_escToReset;
    bool canExit = m_escToExit;
    emit OnEscapeKey(canReset, canExit);
    if (canReset) {
        setTextFromProgram(m_entryText);
        m_modified = false;
    }
    if (canExit) {
        ExitExEvent();
        return false;
    }
    return true;
}

void TCustomEditEx::TabKey()
{
    emit OnTabKey();
}

void TCustomEditEx::Change()
{
    emit OnChange();
    m_modified = true;
}

void TCustomEditEx::DoEnter()
{
    emit OnEnter();
    m_entryText = text();
    m_modified = false;
    selectAll();
}

void TCustomEditEx::DoExit()
{
    emit OnExit();
}

bool TCustomEditEx::wmCharEvent(char32_t)
{
    return true;
}

void TCustomEditEx::setTextFromProgram(const QString& text)
{
    const QScopedValueRollback<bool> setting(m_settingText, true);
    setText(text);
}

bool TCustomEditEx::allowsUserText(const QString& text) const
{
    return m_settingText || m_maxLength == 0 || text.size() <= m_maxLength ||
           text.size() <= m_lastText.size();
}

bool TCustomEditEx::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Unclaimed, so the window's menu shortcut runs while the field has the focus.
        if (isWindowShortcutKey(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            TabKey();
            if (!m_tabKeyToExit) {
                // The Tab goes to the text instead of moving the focus.
                keyPressEvent(key);
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

void TCustomEditEx::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (EscapeKey())
            event->accept();
        else
            event->ignore(); // the focus has moved on; the window may act on Esc too
        return;
    }
    if (isArrowKey(key)) {
        CursorKey(key);
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (isWindowShortcutKey(*event)) {
        // Reaches here only when no menu item took it; it must not edit the text.
        event->accept();
        return;
    }
    const std::optional<char32_t> ch = typedCharacter(*event);
    if (!ch) {
        if (!event->text().isEmpty() && event->text().front().isPrint() &&
            (event->modifiers() & CommandModifiers)) {
            // Alt+character is a menu mnemonic, never text.
            event->ignore();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (wmCharEvent(*ch))
        wmChar(*ch, event);
}

void TCustomEditEx::wmChar(char32_t ch, QKeyEvent* event)
{
    if (ch == 13 && m_enterKeyToExit) {
        EnterKey();
        return;
    }
    QLineEdit::keyPressEvent(event);
    // The field wants every character it was given: Enter never reaches a default button.
    event->accept();
}

void TCustomEditEx::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!m_entered) {
        m_entered = true;
        DoEnter();
    }
}

void TCustomEditEx::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or another window taking the focus for a while ends nothing.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (m_entered) {
        m_entered = false;
        DoExit();
    }
}
