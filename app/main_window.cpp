#include "main_window.h"

#include "click_panel.h"
#include "dialog_module.h"
#include "int_edit.h"
#include "layout_helpers.h"
#include "main_window_texts.h"
#include "named_color_table.h"
#include "palette_view.h"
#include "platform.h"
#include "resources.h"
#include "secondary_windows.h"
#include "settings_store.h"
#include "up_down.h"
#include "url_label.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

namespace {

// For controls that show only the program's own texts, which the chosen face holds
// whole. NOTE: without merging, Qt skips the fontconfig fallback queries that cost
// about a tenth of the start-up; texts the user types or picks keep merging on.
QFont fixedTextFont(QFont font)
{
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

constexpr int ClientWidth = 589;
constexpr int ClientHeight = 286;

// The layout's colours before any settings are read: teal, white, blue, aqua, fuchsia.
constexpr BodyColorSet LayoutColors = {rgbColor(0, 128, 128), rgbColor(255, 255, 255),
                                       rgbColor(0, 0, 255), rgbColor(0, 255, 255),
                                       rgbColor(255, 0, 255)};

QFrame* bevel(QWidget* parent, const char* name, QRect bounds, QFrame::Shape shape)
{
    auto* frame =
        place(new QFrame(parent), name, bounds.x(), bounds.y(), bounds.width(), bounds.height());
    frame->setFrameStyle(shape | QFrame::Sunken);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

} // namespace

TForm1::TForm1(Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    buildControls();
    buildMenu();
    buildTabOrder();
    connectHandlers();
    FormCreate();
    finishCreation();
}

TForm1::~TForm1() = default;

void TForm1::buildControls()
{
    // NOTE: the layout names the Japanese Windows fonts, and those names are what the
    // settings file keeps; where they are missing, draw with the closest installed ones.
    // IPA P Gothic is close to the original and, as plain TrueType, far cheaper to load and
    // shape at start than the OpenType CJK faces. The Gothic and Mincho texts are ASCII
    // (R, G, B, the #RRGGBB label, the numbers), so small Latin faces draw them.
    QFont::insertSubstitutions(MainTexts::UiFontFamily,
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(MainTexts::GothicFamily,
                               {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(MainTexts::MinchoFamily,
                               {QStringLiteral("DejaVu Serif"), QStringLiteral("IPAMincho")});

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(MainTexts::Caption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(fixedTextFont(pixelFont(MainTexts::UiFontFamily, 12)));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    Bevel2 = bevel(client, "Bevel2", QRect(0, 0, ClientWidth, 2), QFrame::HLine);
    Bevel1 = bevel(client, "Bevel1", QRect(3, 232, 309, 47), QFrame::Box);
    Bevel3 = bevel(client, "Bevel3", QRect(426, 244, 167, 45), QFrame::Box);

    Label1 = new QLabel(MainTexts::SchemeListLabel, client);
    Label1->setFont(fixedTextFont(emboldenedFont(MainTexts::UiFontFamily, 12)));
    place(Label1, "Label1", 15, 237);

    const char* rgbNames[3] = {"Label2", "Label3", "Label4"};
    const QString rgbTexts[3] = {QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    const QColor rgbColors[3] = {Qt::red, QColor(0, 128, 0), Qt::blue};
    const int rgbTops[3] = {122, 156, 192};
    QLabel* rgbLabels[3];
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(rgbTexts[i], client);
        label->setFont(fixedTextFont(pixelFont(MainTexts::GothicFamily, 16, true)));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, rgbColors[i]);
        label->setPalette(pal);
        rgbLabels[i] = place(label, rgbNames[i], 356, rgbTops[i]);
    }
    Label2 = rgbLabels[0];
    Label3 = rgbLabels[1];
    Label4 = rgbLabels[2];

    CPallet = place(new PaletteView(client), "CPallet", 308, 2, 282, 94);

    Label5 = place(new QLabel(MainTexts::ColorLabel, client), "Label5", 393, 80);

    Clabel = new QLabel(client);
    Clabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Clabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Clabel->setFont(fixedTextFont(pixelFont(MainTexts::UiFontFamily, 13)));
    Clabel->setAutoFillBackground(true);
    {
        QPalette pal = Clabel->palette();
        pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
        pal.setColor(QPalette::WindowText, pal.color(QPalette::HighlightedText));
        Clabel->setPalette(pal);
    }
    place(Clabel, "Clabel", 455, 78, 127, 17);
    Label5->raise(); // a wider fallback font must not hide the caption under the panel

    ColBtn = new QToolButton(client);
    ColBtn->setIcon(QIcon(Resources::colorDialogPicture()));
    ColBtn->setToolTip(MainTexts::ColorDialogHint);
    ColBtn->setFocusPolicy(Qt::NoFocus);
    ColBtn->setAutoRaise(true);
    place(ColBtn, "ColBtn", 370, 217, 20, 20);

    BGpanel = new ClickPanel(client);
    BGpanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    BGpanel->setLineWidth(1);
    place(BGpanel, "BGpanel", 5, 8, 242, 214);

    const char* labelNames[4] = {"TextLabel", "LinkLabel", "VlinkLabel", "AlinkLabel"};
    const QString labelTexts[4] = {MainTexts::TextSample, MainTexts::LinkSample,
                                   MainTexts::VlinkSample, MainTexts::AlinkSample};
    const QPoint labelPlaces[4] = {{80, 29}, {78, 72}, {51, 116}, {68, 162}};
    for (int i = 0; i < 4; ++i) {
        auto* label = new TURLLabel(m_platform, BGpanel);
        label->setText(labelTexts[i]);
        label->setTextFormat(Qt::PlainText);
        QFont font = pixelFont(MainTexts::UiFontFamily, 15);
        font.setUnderline(i > 0);
        label->setFont(font);
        label->SetHotTrack(false);
        label->setExecutable(false);
        m_slotLabels[i + 1] = place(label, labelNames[i], labelPlaces[i].x(), labelPlaces[i].y());
    }
    TextLabel = m_slotLabels[TEXT];
    LinkLabel = m_slotLabels[LINK];
    VlinkLabel = m_slotLabels[VLINK];
    AlinkLabel = m_slotLabels[ALINK];

    ColBox = new ClickPanel(client);
    ColBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    place(ColBox, "ColBox", 252, 8, 55, 52);

    ColHex = new QLabel(MainTexts::InitialHex, client);
    ColHex->setAlignment(Qt::AlignCenter);
    ColHex->setFont(fixedTextFont(pixelFont(MainTexts::GothicFamily, 13)));
    ColHex->setAutoFillBackground(true);
    {
        QPalette pal = ColHex->palette();
        pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
        pal.setColor(QPalette::WindowText, Qt::white);
        ColHex->setPalette(pal);
    }
    place(ColHex, "ColHex", 252, 63, 55, 16);

    ColType = place(new QGroupBox(MainTexts::TypeCaption, client), "ColType", 254, 92, 90, 130);
    m_colTypeGroup = new QButtonGroup(this);
    for (int i = 0; i < SlotCount; ++i) {
        auto* radio = new QRadioButton(MainTexts::SlotNames[i], ColType);
        radio->setObjectName(QStringLiteral("ColType_%1").arg(i));
        radio->setGeometry(8, 18 + 21 * i, 78, 19);
        m_colTypeGroup->addButton(radio, i);
    }
    m_colTypeGroup->button(0)->setChecked(true);

    HexChk = new QCheckBox(MainTexts::HexCheck, client);
    HexChk->setFont(fixedTextFont(emboldenedFont(MainTexts::UiFontFamily, 13)));
    place(HexChk, "HexChk", 368, 98, 53, 17);

    const char* fieldNames[3] = {"Rval", "Gval", "Bval"};
    const char* upDownNames[3] = {"Rupdwn", "Gupdwn", "Bupdwn"};
    const char* barNames[3] = {"Rbar", "Gbar", "Bbar"};
    const int rowTops[3] = {119, 153, 188};
    const int barTops[3] = {116, 150, 186};
    for (int i = 0; i < 3; ++i) {
        auto* field = new TIntEdit(m_platform, client);
        field->SetAlignment(taRightJustify);
        field->setEnterKeyToExit(true);
        field->setEscToReset(true);
        field->SetEnableNegative(false);
        field->SetMax(255);
        field->setFont(fixedTextFont(pixelFont(MainTexts::MinchoFamily, 15)));
        field->setMaxLength(3);
        field->SetInteger(0);
        field->Loaded();
        m_fields[i] = place(field, fieldNames[i], 369, rowTops[i], 36, 23);

        auto* upDown = new TUpDown(client);
        upDown->setMin(0);
        upDown->setMax(255);
        upDown->setPosition(0);
        m_upDowns[i] = place(upDown, upDownNames[i], 405, rowTops[i], 16, 23);

        auto* bar = new QSlider(Qt::Horizontal, client);
        bar->setRange(0, 255);
        bar->setPageStep(16);
        bar->setTickInterval(16);
        bar->setTickPosition(QSlider::TicksBelow);
        m_bars[i] = place(bar, barNames[i], 420, barTops[i], 160, 28);
    }
    Rval = m_fields[0];
    Gval = m_fields[1];
    Bval = m_fields[2];
    Rupdwn = m_upDowns[0];
    Gupdwn = m_upDowns[1];
    Bupdwn = m_upDowns[2];
    Rbar = m_bars[0];
    Gbar = m_bars[1];
    Bbar = m_bars[2];

    SetList = new QComboBox(client);
    SetList->setEditable(false);
    SetList->setFont(pixelFont(MainTexts::UiFontFamily, 12)); // scheme names may hold any character
    SetList->setGeometry(10, 251, 172, SetList->sizeHint().height());
    SetList->setObjectName(QStringLiteral("SetList"));

    AddBtn = place(new QPushButton(MainTexts::Add, client), "AddBtn", 190, 252, 34, 19);
    UpdBtn = place(new QPushButton(MainTexts::Update, client), "UpdBtn", 229, 252, 34, 19);
    DelBtn = place(new QPushButton(MainTexts::Delete, client), "DelBtn", 269, 252, 34, 19);
    EndBtn = place(new QPushButton(MainTexts::Quit, client), "EndBtn", 483, 257, 58, 23);
    // NOTE: created last, as it stands last in the tab order: Qt 6.4's setTabOrder drops
    // the link that would close the chain onto a widget created before the first ones.
    BitBtn1 = new QPushButton(client);
    BitBtn1->setIcon(QIcon(Resources::pipettePicture()));
    place(BitBtn1, "BitBtn1", 396, 217, 20, 20);
    for (QPushButton* button : {AddBtn, UpdBtn, DelBtn, EndBtn, BitBtn1})
        button->setAutoDefault(false);

    m_body = LayoutColors;
    BGpanel->setFillColor(m_body[BGCOLOR]);
    for (int slot = TEXT; slot < SlotCount; ++slot)
        m_slotLabels[slot]->setFontColor(m_body[slot]);
    setColBoxColor(0);
}

void TForm1::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto menu = [&](const char* name, const QString& title) {
        QMenu* m = bar->addMenu(title);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };
    auto item = [&](QMenu* m, const char* name, const QString& caption,
                    const QKeySequence& key = {}, bool checkable = false) {
        QAction* action = m->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setCheckable(checkable);
        // The menu takes its shortcuts before the focused control does.
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };

    QMenu* file = menu("File1", MainTexts::FileMenu);
    LdBack = item(file, "LdBack", MainTexts::LdBack);
    SaveAs = item(file, "SaveAs", MainTexts::SaveAs, QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    Exit1 = item(file, "Exit1", MainTexts::Exit1, QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = menu("Edit1", MainTexts::EditMenu);
    Cundo = item(edit, "Cundo", MainTexts::Cundo, QKeySequence(Qt::CTRL | Qt::Key_Z));
    Copy1 = item(edit, "Copy1", MainTexts::Copy1, QKeySequence(Qt::CTRL | Qt::Key_C));
    Acopy = item(edit, "Acopy", MainTexts::Acopy, QKeySequence(Qt::CTRL | Qt::Key_A));
    Paste1 = item(edit, "Paste1", MainTexts::Paste1, QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addSeparator();
    CancelBG = item(edit, "CancelBG", MainTexts::CancelBG);

    QMenu* show = menu("Show1", MainTexts::ShowMenu);
    Hview = item(show, "Hview", MainTexts::Hview);
    Iview = item(show, "Iview", MainTexts::Iview);

    QMenu* option = menu("Option1", MainTexts::OptionMenu);
    Cusename = item(option, "Cusename", MainTexts::Cusename, {}, true);
    ColDQ = item(option, "ColDQ", MainTexts::ColDQ, {}, true);
    UseCSS = item(option, "UseCSS", MainTexts::UseCSS, {}, true);
    option->addSeparator();
    CLsort = item(option, "CLsort", MainTexts::CLsort, {}, true);
    Winpos = item(option, "Winpos", MainTexts::Winpos, {}, true);
    option->addSeparator();
    SetViewer = item(option, "SetViewer", MainTexts::SetViewer);
    FontSet = item(option, "FontSet", MainTexts::FontSet);

    QMenu* help = menu("Help1", MainTexts::HelpMenu);
    Contents1 = item(help, "Contents1", MainTexts::Contents1);
    help->addSeparator();
    About1 = item(help, "About1", MainTexts::About1);

    Cundo->setEnabled(false);
    Paste1->setEnabled(false);
    CancelBG->setEnabled(false);
    Iview->setEnabled(false);

    setFixedSize(ClientWidth, ClientHeight + bar->sizeHint().height());
}

void TForm1::buildTabOrder()
{
    QWidget* order[] = {BGpanel, ColBox, SetList, Rbar,   Gbar,   EndBtn, ColType,
                        Bbar,    Rval,   Gval,    Bval,   Rupdwn, Gupdwn, Bupdwn,
                        HexChk,  Clabel, DelBtn,  AddBtn, UpdBtn, BitBtn1};
    // Qt chains only controls that can take the focus; the group's items stand for the group.
    QList<QWidget*> chain;
    for (QWidget* widget : order) {
        if (widget == ColType) {
            for (QAbstractButton* item : m_colTypeGroup->buttons())
                chain << item;
        } else if (widget->focusPolicy() != Qt::NoFocus) {
            chain << widget;
        }
    }
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);
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
    connect(CancelBG, &QAction::triggered, this, &TForm1::CancelBGClick);
    connect(Hview, &QAction::triggered, this, &TForm1::HviewClick);
    connect(Iview, &QAction::triggered, this, &TForm1::IviewClick);
    // Cusename, ColDQ, UseCSS and Winpos only invert their check marks, which Qt does.
    connect(CLsort, &QAction::triggered, this, &TForm1::CLsortClick);
    connect(SetViewer, &QAction::triggered, this, &TForm1::SetViewerClick);
    connect(FontSet, &QAction::triggered, this, &TForm1::FontSetClick);
    connect(Contents1, &QAction::triggered, this, &TForm1::Contents1Click);
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);
}

void TForm1::FormCreate()
{
    setWindowIcon(Resources::programIcon());
    QApplication::setWindowIcon(Resources::programIcon());
    m_tempPagePath = previewPagePath(m_platform.tempFolder());
    m_spoitCursor = Resources::spoitCursor();
}

void TForm1::finishCreation()
{
    m_helpPath.clear();
    m_backgroundPath.clear();
    m_viewerPath.clear();

    m_dm = std::make_unique<TDM>(m_platform);

    LoadSettings();

    const QFileInfo exe(m_platform.executablePath());
    m_helpPath = exe.path() + u'/' + exe.completeBaseName() + QStringLiteral(".chm");

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

void TForm1::EndBtnClick()
{
    close();
}

void TForm1::Exit1Click()
{
    close();
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
    // A failed write keeps the window open with the store in memory; the next close retries.
    if (!writeSettings())
        return false;
    m_settings.reset();
    if (!m_tempPagePath.isEmpty())
        QFile::remove(m_tempPagePath);
    return true;
}
