#include "secondary_windows.h"

#include "dialog_module.h"
#include "dialog_texts.h"
#include "main_window_texts.h"
#include "resources.h"
#include "url_label.h"
#include "window_metrics.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(DialogTexts::SchemeNameCaption());
    setFont(uiFont());
    setPalette(lightPalette());
    setFixedSize(308, 50);
    SetName = place(new QLineEdit(this), "SetName", 7, 15, 172, 20);
    SetName->setAccessibleName(DialogTexts::SchemeNameField());
    OkBtn = place(new QPushButton(DialogTexts::Ok(), this), "OkBtn", 188, 14, 53, 23);
    Button1 = place(new QPushButton(DialogTexts::Cancel(), this), "Button1", 247, 14, 53, 23);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SetName->setFocus();
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    // No button of this dialog answers Esc.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

TAboutBox::TAboutBox(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(DialogTexts::AboutCaption());
    setFont(uiFont());
    setPalette(lightPalette());
    setFixedSize(298, 166);

    auto* panel = place(new QFrame(this), "Panel1", 5, 5, 288, 120);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);

    auto* icon = place(new QLabel(panel), "ProgramIcon", 8, 8, 32, 32);
    icon->setPixmap(Resources::programIcon().pixmap(32, 32));
    icon->setScaledContents(true);

    auto* product = new QLabel(DialogTexts::ProductName, panel);
    QFont bold = uiFont();
    bold.setPixelSize(15);
    bold.setBold(true);
    product->setFont(bold);
    place(product, "ProductName", 64, 10);

    auto* version = new QLabel(DialogTexts::Version, panel);
    QFont gothic(MainTexts::GothicFamily);
    gothic.setPixelSize(13);
    version->setFont(gothic);
    place(version, "Version", 99, 30);

    place(new QLabel(DialogTexts::Copyright, panel), "Copyright", 40, 52);
    place(new QLabel(DialogTexts::EmailLabel(), panel), "EmailLabel", 72, 74);
    place(new QLabel(QStringLiteral(PAGETINT_CONTACT_EMAIL), panel), "Email", 120, 74);
    place(new QLabel(DialogTexts::UrlLabel(), panel), "UrlLabel", 48, 93);

    URLLabel1 = new TURLLabel(platform, panel);
    URLLabel1->setText(QStringLiteral(PAGETINT_HOMEPAGE));
    QFont link = uiFont();
    link.setPixelSize(12);
    link.setUnderline(true);
    URLLabel1->setFont(link);
    URLLabel1->setFontColor(0x00FF0000); // blue
    URLLabel1->SetHotColor(0x00FF0000);
    URLLabel1->setExecutable(true);
    place(URLLabel1, "URLLabel1", 80, 93);

    OKButton = place(new QPushButton(DialogTexts::AboutOk, this), "OKButton", 109, 136, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    // Centred on the screen, not on the main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

TForm4::TForm4(TDM& dm, QWidget* parent)
    : QDialog(parent)
    , m_dm(dm)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(DialogTexts::ViewerCaption());
    setFont(uiFont());
    setPalette(lightPalette());
    resize(384, 66); // an outer frame of 392 x 97
    place(new QLabel(DialogTexts::ViewerLabel(), this), "Label1", 9, 11);
    IVname = place(new QLineEdit(this), "IVname", 8, 28, 229, 18);
    IVname->setAccessibleName(DialogTexts::ViewerLabel());
    RefBtn = place(new QPushButton(DialogTexts::Browse(), this), "RefBtn", 241, 27, 34, 22);
    Button1 = place(new QPushButton(DialogTexts::Ok(), this), "Button1", 303, 10, 68, 21);
    Button2 = place(new QPushButton(DialogTexts::Cancel(), this), "Button2", 303, 38, 68, 21);
    connect(RefBtn, &QPushButton::clicked, this, &TForm4::RefBtnClick);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm4::RefBtnClick()
{
    if (std::optional<QString> path = m_dm.executeOpen(this, 2))
        IVname->setText(*path);
}
