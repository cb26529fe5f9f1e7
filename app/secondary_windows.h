#pragma once

#include <QDialog>

class Platform;
class QLineEdit;
class QPushButton;
class TDM;
class TURLLabel;

// The scheme-name dialog.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLineEdit* SetName = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The version dialog.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(Platform& platform, QWidget* parent = nullptr);

    TURLLabel* URLLabel1 = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

// The image viewer setting dialog.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    TForm4(TDM& dm, QWidget* parent = nullptr);

    QLineEdit* IVname = nullptr;
    QPushButton* RefBtn = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

private:
    void RefBtnClick();

    TDM& m_dm;
};
