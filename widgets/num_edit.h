#pragma once

#include "edit_ex.h"

#include <bit>
#include <functional>

class Platform;

// How a value outside Min..Max is repaired. The handler may leave any int here;
// values other than rmLimit and rmKeep act as rmRestore.
enum enNumEdit_OutOfRange : int { rmRestore = 0, rmLimit = 1, rmKeep = 2 };

// A numeric edit: holds its value as the user types, keeps it within Min..Max, and
// shows the bare number while it has the focus and a display text otherwise.
class TCustomNumEdit : public TCustomEditEx {
    Q_OBJECT
public:
    using enum enNumEdit_OutOfRange;

    // The platform shows the message that announces a repaired value.
    explicit TCustomNumEdit(Platform& platform, QWidget* parent = nullptr);

    int Integer() const { return m_integer; }
    void SetInteger(int value); // no range check
    double Real() const { return m_real; }
    void SetReal(double value);
    double Min() const { return m_min; }
    void SetMin(double min) { m_min = min; }
    double Max() const { return m_max; }
    void SetMax(double max) { m_max = max; }
    bool EnableNegative() const { return m_enableNegative; }
    void SetEnableNegative(bool on) { m_enableNegative = on; }
    bool ClearStart() const { return m_clearStart; }
    void SetClearStart(bool on);
    QString Prefix() const { return m_prefix; }
    void SetPrefix(const QString& prefix);
    QString Suffix() const { return m_suffix; }
    void SetSuffix(const QString& suffix);

    // Shows the empty text until the user changes the field; the value stays.
    void Clear();
    // Call once the properties are set: a field left with Min and Max both 0 gets the
    // widest range instead, just under plus and minus ten thousand million.
    void Loaded();

    // Asked when a parsed value falls outside Min..Max. It may change num and set the
    // repair mode, which starts as rmLimit. Empty: the limit is used.
    std::function<void(TCustomNumEdit& sender, double& num, int& repairMode)> OnOutOfRange;

    // The largest double below 1e10: 9999999999.999998.
    static constexpr double WidestLimit = std::bit_cast<double>(0x4202A05F1FFFFFFFull);

protected:
    // Sets the text for the current state: editing, clear start or display.
    virtual void SetTextEx() = 0;
    // Takes the value from the text while editing, repairing it when out of range.
    virtual void UpdateNum() = 0;
    virtual enNumEdit_OutOfRange OutOfRange(double& num);

    void Change() override;
    void DoEnter() override;
    void DoExit() override;

    bool Editing() const { return m_editing; }
    bool ClearStartState() const { return m_clearStartState; }
    void setValue(int integer, double real);
    // The repaired value, announced to the user.
    void showRepairedValue();

private:
    Platform& m_platform;
    bool m_clearStart = false;
    bool m_clearStartState = false;
    bool m_enableNegative = true;
    bool m_editing = false;
    int m_integer = 0;
    double m_min = 0;
    double m_max = 0;
    QString m_prefix;
    QString m_suffix;
    double m_real = 0;
};

// Truncates towards zero into the int range; NaN gives 0.
int truncateToInt(double value);
