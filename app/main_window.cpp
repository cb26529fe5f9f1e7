#include "main_window.h"

#include "click_panel.h"
#include "css_copy_forms.h"
#include "desktop_integration.h"
#include "dialog_module.h"
#include "help_location.h"
#include "int_edit.h"
#include "main_window_texts.h"
#include "menu_items.h"
#include "named_color_table.h"
#include "palette_view.h"
#include "platform.h"
#include "secondary_windows.h"
#include "settings_store.h"
#include "texts.h"
#include "up_down.h"
#include "url_label.h"
#include "window_metrics.h"

#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

TForm1::TForm1(Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    setAcceptDrops(true); // a style sheet or a page dropped here is read as 開く reads it
    buildControls();
    buildMenu();
    buildTabOrder();
    nameControls();
    connectHandlers();
    FormCreate();
    finishCreation();
}

TForm1::~TForm1() = default;

void TForm1::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = addMenu(bar, "File1", MainTexts::FileMenu());
    OpenCss = addItem(file, "OpenCss", MainTexts::OpenCss(), QKeySequence(Qt::CTRL | Qt::Key_O));
    LdBack = addItem(file, "LdBack", MainTexts::LdBack());
    SaveAs = addItem(file, "SaveAs", MainTexts::SaveAs(), QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    Exit1 = addItem(file, "Exit1", MainTexts::Exit1(), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = addMenu(bar, "Edit1", MainTexts::EditMenu());
    Cundo = addItem(edit, "Cundo", MainTexts::Cundo(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    Copy1 = addItem(edit, "Copy1", MainTexts::Copy1(), QKeySequence(Qt::CTRL | Qt::Key_C));
    Acopy = addItem(edit, "Acopy", MainTexts::Acopy(), QKeySequence(Qt::CTRL | Qt::Key_A));
    Paste1 = addItem(edit, "Paste1", MainTexts::Paste1(), QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addSeparator();
    CopyVars = addItem(edit, "CopyVars", MainTexts::CopyVars(),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    QMenu* copyAs = addMenu(edit, "CopyAs", MainTexts::CopyAs());
    CopyRgb = addItem(copyAs, "CopyRgb", MainTexts::CopyRgb);
    CopyHsl = addItem(copyAs, "CopyHsl", MainTexts::CopyHsl);
    CopyOklch = addItem(copyAs, "CopyOklch", MainTexts::CopyOklch);
    PasteCss = addItem(edit, "PasteCss", MainTexts::PasteCss(),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    // Both pastes read the same clipboard, so PasteCss follows every change of Paste1.
    connect(Paste1, &QAction::changed, PasteCss,
            [this] { PasteCss->setEnabled(Paste1->isEnabled()); });
    edit->addSeparator();
    CancelBG = addItem(edit, "CancelBG", MainTexts::CancelBG());
    // The keyboard's way to what the swatch, the palette and BitBtn1 do for the mouse.
    edit->addSeparator();
    ApplyColor = addItem(edit, "ApplyColor", MainTexts::ApplyColor(),
                         QKeySequence(Qt::CTRL | Qt::Key_Return));
    ApplyColor->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    PickNamed =
        addItem(edit, "PickNamed", MainTexts::PickNamed(), QKeySequence(Qt::CTRL | Qt::Key_P));
    PickScreen = addItem(edit, "PickScreen", MainTexts::PickScreen(),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));

    QMenu* show = addMenu(bar, "Show1", MainTexts::ShowMenu());
    Hview = addItem(show, "Hview", MainTexts::Hview());
    Iview = addItem(show, "Iview", MainTexts::Iview());
    buildLegibilityMenu(show);

    QMenu* option = addMenu(bar, "Option1", MainTexts::OptionMenu());
    Cusename = addItem(option, "Cusename", MainTexts::Cusename(), {}, true);
    ColDQ = addItem(option, "ColDQ", MainTexts::ColDQ(), {}, true);
    UseCSS = addItem(option, "UseCSS", MainTexts::UseCSS(), {}, true);
    option->addSeparator();
    CLsort = addItem(option, "CLsort", MainTexts::CLsort(), {}, true);
    Winpos = addItem(option, "Winpos", MainTexts::Winpos(), {}, true);
    option->addSeparator();
    SetViewer = addItem(option, "SetViewer", MainTexts::SetViewer());
    FontSet = addItem(option, "FontSet", MainTexts::FontSet());
    option->addSeparator();
    buildLanguageMenu(option);

    QMenu* help = addMenu(bar, "Help1", MainTexts::HelpMenu());
    Contents1 = addItem(help, "Contents1", MainTexts::Contents1());
    help->addSeparator();
    About1 = addItem(help, "About1", MainTexts::About1());

    Cundo->setEnabled(false);
    Paste1->setEnabled(false);
    CancelBG->setEnabled(false);
    Iview->setEnabled(false);

    setFixedSize(ClientWidth, ClientHeight + bar->sizeHint().height());
}

void TForm1::connectHandlers()
{
    connect(m_colTypeGroup, &QButtonGroup::idClicked, this, [this] { ColTypeClick(); });
    connect(BGpanel, &ClickPanel::clicked, this, &TForm1::BGpanelClick);
    connect(TextLabel, &TURLLabel::clicked, this, &TForm1::TextLabelClick);
    connect(LinkLabel, &TURLLabel::clicked, this, &TForm1::LinkLabelClick);
    connect(VlinkLabel, &TURLLabel::clicked, this, &TForm1::VlinkLabelClick);
    connect(AlinkLabel, &TURLLabel::clicked, this, &TForm1::AlinkLabelClick);
    for (int i = 0; i < 3; ++i) {
        connect(m_bars[i], &QSlider::valueChanged, this, [this, i] { barChange(i); });
        // One handler for the change, the exit and the Enter key of each field.
        connect(m_fields[i], &TIntEdit::OnChange, this, [this, i] { fieldEnter(i); });
        connect(m_fields[i], &TIntEdit::OnExit, this, [this, i] { fieldEnter(i); });
        connect(m_fields[i], &TIntEdit::OnEnterKey, this, [this, i] { fieldEnter(i); });
        connect(m_upDowns[i], &TUpDown::OnClick, this,
                [this, i](TUDBtnType button) { upDownClick(i, button == btNext ? 1 : -1); });
    }
    connect(ColBox, &ClickPanel::clicked, this, &TForm1::ColBoxClick);
    connect(HexChk, &QCheckBox::toggled, this, &TForm1::HexChkClick);

    connect(CPallet, &PaletteView::pointerMoved, this, &TForm1::CPalletMouseMove);
    connect(CPallet, &PaletteView::pressed, this, &TForm1::CPalletMouseDown);
    connect(ColBtn, &QToolButton::clicked, this, &TForm1::ColBtnClick);
    BitBtn1->installEventFilter(this);

    connect(SetList, &QComboBox::activated, this, &TForm1::SetListChange);
    connect(AddBtn, &QPushButton::clicked, this, &TForm1::AddBtnClick);
    connect(UpdBtn, &QPushButton::clicked, this, &TForm1::UpdBtnClick);
    connect(DelBtn, &QPushButton::clicked, this, &TForm1::DelBtnClick);
    connect(EndBtn, &QPushButton::clicked, this, &TForm1::EndBtnClick);

    connect(LdBack, &QAction::triggered, this, &TForm1::LdBackClick);
    connect(SaveAs, &QAction::triggered, this, &TForm1::SaveAsClick);
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(Cundo, &QAction::triggered, this, &TForm1::CundoClick);
    connect(Copy1, &QAction::triggered, this, &TForm1::Copy1Click);
    connect(Acopy, &QAction::triggered, this, &TForm1::AcopyClick);
    connect(Paste1, &QAction::triggered, this, &TForm1::Paste1Click);
    connect(CopyVars, &QAction::triggered, this, &TForm1::CopyVarsClick);
    connect(CopyRgb, &QAction::triggered, this, [this] { copyColorForm(rgbFunctionText); });
    connect(CopyHsl, &QAction::triggered, this, [this] { copyColorForm(hslFunctionText); });
    connect(CopyOklch, &QAction::triggered, this, [this] { copyColorForm(oklchFunctionText); });
    connect(PasteCss, &QAction::triggered, this, &TForm1::PasteCssClick);
    connect(OpenCss, &QAction::triggered, this, &TForm1::OpenCssClick);
    connect(CancelBG, &QAction::triggered, this, &TForm1::CancelBGClick);
    connect(ApplyColor, &QAction::triggered, this, &TForm1::ColBoxClick);
    connect(PickNamed, &QAction::triggered, this, &TForm1::PickNamedClick);
    connect(PickScreen, &QAction::triggered, this, &TForm1::PickScreenClick);
    connect(Hview, &QAction::triggered, this, &TForm1::HviewClick);
    connect(Iview, &QAction::triggered, this, &TForm1::IviewClick);
    connect(Legibility, &QAction::triggered, this, &TForm1::LegibilityClick);
    connect(m_colorVisionGroup, &QActionGroup::triggered, this, &TForm1::ColorVisionClick);
    // Cusename, ColDQ, UseCSS and Winpos only invert their check marks, which Qt does.
    connect(CLsort, &QAction::triggered, this, &TForm1::CLsortClick);
    connect(SetViewer, &QAction::triggered, this, &TForm1::SetViewerClick);
    connect(FontSet, &QAction::triggered, this, &TForm1::FontSetClick);
    connect(findChild<QMenu*>(QStringLiteral("Help1")), &QMenu::aboutToShow, this,
            &TForm1::updateHelpItem);
    connect(Contents1, &QAction::triggered, this, &TForm1::Contents1Click);
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);
}

void TForm1::FormCreate()
{
    const QIcon icon = programWindowIcon(m_platform.executablePath());
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
    m_tempPagePath = previewPagePath(m_platform.tempFolder());
}

void TForm1::finishCreation()
{
    m_helpPath.clear();
    m_backgroundPath.clear();
    m_viewerPath.clear();

    m_dm = std::make_unique<TDM>(m_platform);

    LoadSettings();
    sizePreviewLabels();

    m_helpPath = helpCandidates(m_platform.executablePath()).constFirst();
    updateHelpItem();

    SetEditColor(SlotColor(BGCOLOR));
    drawPalette();
    m_paletteHover = false;
    ColorPending = false;
    m_undo.clear();

    setListTip(SetList->count() > 0 ? 0 : -1);
    if (SetList->count() > 0)
        SetList->setCurrentIndex(0);
    ColHex->setToolTip(QString::fromStdString(ColorName(m_editColor)));
    enablePasteWhenClipboardHasText();
    updateSchemeButtons();
}

TForm2* TForm1::form2()
{
    if (!m_form2)
        m_form2 = new TForm2(this);
    return m_form2;
}

TAboutBox* TForm1::aboutBox()
{
    if (!m_aboutBox)
        m_aboutBox = new TAboutBox(m_platform, this);
    return m_aboutBox;
}

TForm4* TForm1::form4()
{
    if (!m_form4)
        m_form4 = new TForm4(*m_dm, this);
    return m_form4;
}

void TForm1::enablePasteWhenClipboardHasText()
{
    // Once enabled, Paste1 stays enabled: the paste itself checks the clipboard.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasText())
        Paste1->setEnabled(true);
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm1::FormActivate()
{
    enablePasteWhenClipboardHasText();
}

void TForm1::showFromAnotherStart()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TForm1::EndBtnClick()
{
    close();
}

void TForm1::Exit1Click()
{
    EndBtnClick();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool TForm1::FormClose()
{
    if (!m_settings)
        return true; // already closed once; nothing is left to save
    m_undo.clear();
    // After a failed write the user decides: close without saving, or stay with the store
    // in memory so that the next close tries again.
    if (!writeSettings() && !confirmed(this, MainTexts::CloseWithoutSaving()))
        return false;
    m_settings.reset();
    if (!m_tempPagePath.isEmpty())
        QFile::remove(m_tempPagePath);
    return true;
}

bool TForm1::confirmed(QWidget* parent, const QString& question)
{
    return m_platform.messageBox(parent, Texts::AppTitle, question, Platform::Buttons::OkCancel,
                                 Platform::Icon::Question) == Platform::Answer::Ok;
}
