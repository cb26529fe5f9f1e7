#pragma once

#include <QLineEdit>

class QKeyEvent;

enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };

// A single-line edit with keyboard conveniences: Enter and Esc can move the focus on,
// Esc can bring back the text the field had when it got the focus, and each of Tab,
// Enter, Esc and the arrows reports itself.
class TCustomEditEx : public QLineEdit {
    Q_OBJECT
public:
    using enum TAlignment;

    explicit TCustomEditEx(QWidget* parent = nullptr);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

    bool EnterKeyToExit() const { return m_enterKeyToExit; }
    void setEnterKeyToExit(bool on) { m_enterKeyToExit = on; }
    bool EscToExit() const { return m_escToExit; }
    void setEscToExit(bool on); // true also turns EscToReset on
    bool EscToReset() const { return m_escToReset; }
    void setEscToReset(bool on) { m_escToReset = on; }
    bool TabKeyToExit() const { return m_tabKeyToExit; }
    void setTabKeyToExit(bool on) { m_tabKeyToExit = on; }

    // NOTE: these hide QLineEdit's own on purpose. The limit applies to what the user
    // types or pastes, as an edit control's text limit does; text set by the program is
    // never cut to it, so a value is never changed by its own rendering. 0 is no limit.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length);

    // Moves the focus to the next control of the window's focus chain that can take it
    // and holds no child widgets, wrapping round; stays here when there is none.
    void ExitExEvent();

signals:
    void OnEnterKey();
    void OnTabKey();
    void OnCursorKey(int& key);
    void OnEscapeKey(bool& canReset, bool& canExit);
    void OnEnter();
    void OnExit();
    // After every real change of the text, once a derived field has taken its value.
    void OnChange();

protected:
    virtual void CursorKey(int key);
    virtual void EnterKey();
    // Returns false when the focus has been moved on.
    virtual bool EscapeKey();
    virtual void TabKey();
    virtual void Change();
    virtual void DoEnter();
    virtual void DoExit();
    // Decides for each typed character whether it reaches the text; true passes it.
    virtual bool wmCharEvent(char32_t ch);

    // For text the program sets: exempt from the typing limit.
    void setTextFromProgram(const QString& text);
    const QString& EntryText() const { return m_entryText; }
    bool Modified() const { return m_modified; }

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    class LimitValidator;

    void wmChar(char32_t ch, QKeyEvent* event);
    bool allowsUserText(const QString& text) const;

    TAlignment m_alignment = taLeftJustify;
    bool m_modified = false;
    bool m_enterKeyToExit = false;
    bool m_escToExit = false;
    bool m_escToReset = false;
    bool m_tabKeyToExit = true;
    QString m_entryText;
    int m_maxLength = 0;
    // The text as of the last change, to tell a lengthening edit from a shortening one.
    QString m_lastText;
    bool m_settingText = false;
    // Between DoEnter and DoExit; a context menu or another window taking the focus
    // for a while does not end the edit.
    bool m_entered = false;
};
