#pragma once

#include "color_value.h"

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QListWidget;

// The named colours as a list to pick from by typing: the list follows the field (a name or
// hex digits), the arrow keys move its selection while the focus stays in the field, Return
// takes the selected colour and Escape closes. A palette a screen reader can read out.
class NamedColorDialog final : public QDialog {
    Q_OBJECT
public:
    explicit NamedColorDialog(QWidget* parent = nullptr);

    // The selected row's colour; meaningful after the dialog was accepted.
    ColorValue color() const;

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMatches(const QString& query);

    QLineEdit* m_field = nullptr;
    QListWidget* m_list = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
