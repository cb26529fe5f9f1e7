// The main window's controls: their construction, places, fonts and colours, and the
// tab order.
#include "main_window.h"

#include "click_panel.h"
#include "int_edit.h"
#include "main_window_texts.h"
#include "named_color_table.h"
#include "palette_view.h"
#include "resources.h"
#include "up_down.h"
#include "url_label.h"
#include "window_metrics.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include <algorithm>

namespace {

// For controls that show only the program's own texts, which the chosen face holds
// whole. NOTE: without merging, Qt skips the fontconfig fallback queries that cost
// about a tenth of the start-up; texts the user types or picks keep merging on.
QFont fixedTextFont(QFont font)
{
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// NOTE: the stand-in faces run wider than the layout's own. A label that must show its
// widest text within the width the layout gives it takes a smaller size of the face.
void shrinkToFit(QLabel* label, const QStringList& texts, int width)
{
    constexpr int SmallestPixels = 9;
    const QString shown = label->text();
    QFont font = label->font();
    for (;;) {
        const QFontMetrics metrics(font);
        label->setText(
            *std::max_element(texts.begin(), texts.end(), [&](const auto& a, const auto& b) {
                return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
            }));
        if (label->sizeHint().width() <= width || font.pixelSize() <= SmallestPixels)
            break;
        font.setPixelSize(font.pixelSize() - 1);
        label->setFont(font);
    }
    label->setText(shown);
}

QStringList colorNames()
{
    QStringList names;
    for (const NamedColor& row : NamedColorTable::rows())
        names << QString::fromLatin1(row.name);
    return names;
}

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
    setPalette(lightPalette());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    Bevel2 = bevel(client, "Bevel2", QRect(0, 0, ClientWidth, 2), QFrame::HLine);
    Bevel1 = bevel(client, "Bevel1", QRect(3, 232, 309, 47), QFrame::Box);
    Bevel3 = bevel(client, "Bevel3", QRect(426, 244, 167, 45), QFrame::Box);

    Label1 = new QLabel(MainTexts::SchemeListLabel(), client);
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

    Label5 = place(new QLabel(MainTexts::ColorLabel(), client), "Label5", 393, 80);

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
    // Clabel is empty until the pointer is over the palette: fitColorLabel() sizes it then.
    // The caption stays clear of the panel's frame.
    shrinkToFit(Label5, {MainTexts::ColorLabel()}, Clabel->x() - 1 - Label5->x());
    Label5->adjustSize();
    Label5->raise();

    ColBtn = new QToolButton(client);
    ColBtn->setIcon(QIcon(Resources::colorDialogPicture()));
    ColBtn->setToolTip(MainTexts::ColorDialogHint());
    ColBtn->setFocusPolicy(Qt::NoFocus);
    ColBtn->setAutoRaise(true);
    place(ColBtn, "ColBtn", 370, 217, 20, 20);

    BGpanel = new ClickPanel(client);
    BGpanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    BGpanel->setLineWidth(1);
    place(BGpanel, "BGpanel", 5, 8, 242, 214);

    const char* labelNames[4] = {"TextLabel", "LinkLabel", "VlinkLabel", "AlinkLabel"};
    const QString labelTexts[4] = {MainTexts::TextSample(), MainTexts::LinkSample(),
                                   MainTexts::VlinkSample(), MainTexts::AlinkSample()};
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

    HexChk = new QCheckBox(MainTexts::HexCheck(), client);
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

    AddBtn = place(new QPushButton(MainTexts::Add(), client), "AddBtn", 190, 252, 34, 19);
    UpdBtn = place(new QPushButton(MainTexts::Update(), client), "UpdBtn", 229, 252, 34, 19);
    DelBtn = place(new QPushButton(MainTexts::Delete(), client), "DelBtn", 269, 252, 34, 19);
    EndBtn = place(new QPushButton(MainTexts::Quit(), client), "EndBtn", 483, 257, 58, 23);
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

// Measuring the 139 names costs a few milliseconds, which the first frame does not need.
void TForm1::fitColorLabel()
{
    if (m_colorLabelFitted)
        return;
    shrinkToFit(Clabel, colorNames(), Clabel->width());
    m_colorLabelFitted = true;
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
