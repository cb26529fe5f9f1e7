// The main window's controls: their construction, places, fonts and colours, and the
// tab order. One builder per group of the layout; the places stand in the tables below.
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

// A control's name and place in the client area; without a width it sizes itself to its text.
struct Spot {
    const char* name;
    int left;
    int top;
    int width = -1;
    int height = -1;
};

template <typename W> W* placeAt(W* widget, const Spot& spot)
{
    return place(widget, spot.name, spot.left, spot.top, spot.width, spot.height);
}

// The frames that group the controls, built first so that every control lies above them.
struct BevelRow {
    Spot spot;
    QFrame::Shape shape;
};
constexpr BevelRow Bevels[] = {
    {{"Bevel2", 0, 0, ClientWidth, 2}, QFrame::HLine},
    {{"Bevel1", 3, 232, 309, 47}, QFrame::Box},
    {{"Bevel3", 426, 244, 167, 45}, QFrame::Box},
};

constexpr Spot PaletteSpot{"CPallet", 308, 2, 282, 94};
constexpr Spot ColorCaptionSpot{"Label5", 393, 80};
constexpr Spot ColorNameSpot{"Clabel", 455, 78, 127, 17};
constexpr Spot ColorDialogSpot{"ColBtn", 370, 217, 20, 20};

constexpr Spot PreviewSpot{"BGpanel", 5, 8, 242, 214};
// The preview's labels, inside BGpanel, in slot order from TEXT on.
struct SampleRow {
    Spot spot;
    QString (*text)(); // looked up when the control is built
};
const SampleRow Samples[] = {
    {{"TextLabel", 80, 29}, MainTexts::TextSample},
    {{"LinkLabel", 78, 72}, MainTexts::LinkSample},
    {{"VlinkLabel", 51, 116}, MainTexts::VlinkSample},
    {{"AlinkLabel", 68, 162}, MainTexts::AlinkSample},
};

constexpr Spot SwatchSpot{"ColBox", 252, 8, 55, 52};
constexpr Spot HexSpot{"ColHex", 252, 63, 55, 16};
constexpr Spot SlotGroupSpot{"ColType", 254, 92, 90, 130};
constexpr Spot HexCheckSpot{"HexChk", 368, 98, 53, 17};
// The editor's red, green and blue rows: caption, field, up-down and bar.
struct ComponentRow {
    Spot caption;
    Spot field;
    Spot upDown;
    Spot bar;
    QChar letter;
    QRgb color;
};
constexpr ComponentRow ComponentRows[3] = {
    {{"Label2", 356, 122},
     {"Rval", 369, 119, 36, 23},
     {"Rupdwn", 405, 119, 16, 23},
     {"Rbar", 420, 116, 160, 28},
     u'R',
     qRgb(255, 0, 0)},
    {{"Label3", 356, 156},
     {"Gval", 369, 153, 36, 23},
     {"Gupdwn", 405, 153, 16, 23},
     {"Gbar", 420, 150, 160, 28},
     u'G',
     qRgb(0, 128, 0)},
    {{"Label4", 356, 192},
     {"Bval", 369, 188, 36, 23},
     {"Bupdwn", 405, 188, 16, 23},
     {"Bbar", 420, 186, 160, 28},
     u'B',
     qRgb(0, 0, 255)},
};

constexpr Spot ListCaptionSpot{"Label1", 15, 237};
constexpr Spot ListSpot{"SetList", 10, 251, 172}; // as tall as its font makes it
struct ButtonRow {
    Spot spot;
    QString (*text)(); // looked up when the control is built
};
const ButtonRow SchemeButtons[] = {
    {{"AddBtn", 190, 252, 34, 19}, MainTexts::Add},
    {{"UpdBtn", 229, 252, 34, 19}, MainTexts::Update},
    {{"DelBtn", 269, 252, 34, 19}, MainTexts::Delete},
};

constexpr Spot EyedropperSpot{"BitBtn1", 396, 217, 20, 20};
constexpr Spot QuitSpot{"EndBtn", 483, 257, 58, 23};

QFrame* bevel(QWidget* parent, const BevelRow& row)
{
    auto* frame = placeAt(new QFrame(parent), row.spot);
    frame->setFrameStyle(row.shape | QFrame::Sunken);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

// A label drawn in `text` on `background`, both roles of the label's own palette.
void setLabelColors(QLabel* label, const QColor& background, const QColor& text)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    label->setPalette(pal);
}

// One of the editor's red, green and blue rows: the caption, the field (0 to 255, Enter
// leaves it, Esc restores it), the up-down and the bar.
struct ComponentControls {
    QLabel* caption;
    TIntEdit* field;
    TUpDown* upDown;
    QSlider* bar;
};

ComponentControls buildComponentRow(Platform& platform, const ComponentRow& row,
                                    const QFont& captionFont, const QFont& fieldFont,
                                    QWidget* client)
{
    auto* caption = new QLabel(QString(row.letter), client);
    caption->setFont(captionFont);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setLabelColors(caption, caption->palette().color(QPalette::Window), QColor(row.color));

    auto* field = new TIntEdit(platform, client);
    field->SetAlignment(taRightJustify);
    field->setEnterKeyToExit(true);
    field->setEscToReset(true);
    field->SetEnableNegative(false);
    field->SetMax(255);
    field->setFont(fieldFont);
    field->setMaxLength(3);
    field->SetInteger(0);
    field->Loaded();

    auto* upDown = new TUpDown(client);
    upDown->setMin(0);
    upDown->setMax(255);
    upDown->setPosition(0);

    auto* bar = new QSlider(Qt::Horizontal, client);
    bar->setRange(0, 255);
    bar->setPageStep(16);
    bar->setTickInterval(16);
    bar->setTickPosition(QSlider::TicksBelow);
    return {placeAt(caption, row.caption), placeAt(field, row.field), placeAt(upDown, row.upDown),
            placeAt(bar, row.bar)};
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

    Bevel2 = bevel(client, Bevels[0]);
    Bevel1 = bevel(client, Bevels[1]);
    Bevel3 = bevel(client, Bevels[2]);
    // The order of building is the order of stacking: the palette lies below its captions.
    // The eyedropper button, last in the tab order, must be built last: see buildButtons.
    buildPalette(client);
    buildPreview(client);
    buildEditor(client);
    buildSchemeList(client);
    buildButtons(client);

    m_sets = ColorSets(LayoutColors);
    for (int slot = 0; slot < SlotCount; ++slot)
        drawSlotColor(slot);
    setColBoxColor(0);
}

void TForm1::buildPalette(QWidget* client)
{
    CPallet = placeAt(new PaletteView(client), PaletteSpot);
    Label5 = placeAt(new QLabel(MainTexts::ColorLabel(), client), ColorCaptionSpot);

    Clabel = new QLabel(client);
    Clabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Clabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Clabel->setFont(fixedTextFont(pixelFont(MainTexts::UiFontFamily, 13)));
    Clabel->setAutoFillBackground(true);
    setLabelColors(Clabel, Clabel->palette().color(QPalette::Dark),
                   Clabel->palette().color(QPalette::HighlightedText));
    placeAt(Clabel, ColorNameSpot);
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
    placeAt(ColBtn, ColorDialogSpot);
}

void TForm1::buildPreview(QWidget* client)
{
    BGpanel = new ClickPanel(client);
    BGpanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    BGpanel->setLineWidth(1);
    placeAt(BGpanel, PreviewSpot);

    // One font for the four labels; the links differ only by the underline.
    QFont font = pixelFont(MainTexts::UiFontFamily, 15);
    for (int slot = TEXT; slot < SlotCount; ++slot) {
        const SampleRow& row = Samples[slot - TEXT];
        auto* label = new TURLLabel(m_platform, BGpanel);
        label->setObjectName(QLatin1String(row.spot.name));
        label->setText(row.text());
        label->setTextFormat(Qt::PlainText);
        font.setUnderline(slot != TEXT);
        label->setFont(font);
        label->SetHotTrack(false);
        label->setExecutable(false);
        // Sized once the settings have chosen the preview font: see sizePreviewLabels().
        label->move(row.spot.left, row.spot.top);
        m_slotLabels[slot] = label;
    }
    TextLabel = m_slotLabels[TEXT];
    LinkLabel = m_slotLabels[LINK];
    VlinkLabel = m_slotLabels[VLINK];
    AlinkLabel = m_slotLabels[ALINK];
}

void TForm1::buildEditor(QWidget* client)
{
    ColBox = new ClickPanel(client);
    ColBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    placeAt(ColBox, SwatchSpot);

    ColHex = new QLabel(MainTexts::InitialHex, client);
    ColHex->setAlignment(Qt::AlignCenter);
    ColHex->setFont(fixedTextFont(pixelFont(MainTexts::GothicFamily, 13)));
    ColHex->setAutoFillBackground(true);
    setLabelColors(ColHex, ColHex->palette().color(QPalette::Dark), Qt::white);
    placeAt(ColHex, HexSpot);

    ColType = placeAt(new QGroupBox(MainTexts::TypeCaption, client), SlotGroupSpot);
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
    placeAt(HexChk, HexCheckSpot);

    // The rows share their fonts, so each face is resolved once.
    const QFont captionFont = fixedTextFont(pixelFont(MainTexts::GothicFamily, 16, true));
    const QFont fieldFont = fixedTextFont(pixelFont(MainTexts::MinchoFamily, 15));
    QLabel* captions[3];
    for (int i = 0; i < 3; ++i) {
        const ComponentControls row =
            buildComponentRow(m_platform, ComponentRows[i], captionFont, fieldFont, client);
        captions[i] = row.caption;
        m_fields[i] = row.field;
        m_upDowns[i] = row.upDown;
        m_bars[i] = row.bar;
    }
    Label2 = captions[0];
    Label3 = captions[1];
    Label4 = captions[2];
    Rval = m_fields[0];
    Gval = m_fields[1];
    Bval = m_fields[2];
    Rupdwn = m_upDowns[0];
    Gupdwn = m_upDowns[1];
    Bupdwn = m_upDowns[2];
    Rbar = m_bars[0];
    Gbar = m_bars[1];
    Bbar = m_bars[2];
}

void TForm1::buildSchemeList(QWidget* client)
{
    Label1 = new QLabel(MainTexts::SchemeListLabel(), client);
    Label1->setFont(fixedTextFont(emboldenedFont(MainTexts::UiFontFamily, 12)));
    placeAt(Label1, ListCaptionSpot);

    SetList = new QComboBox(client);
    SetList->setObjectName(QLatin1String(ListSpot.name));
    SetList->setEditable(false);
    // Measured in the window's face, whose engine is loaded already: the merging font set
    // below is the same face at the same size, so the height is the same, and the list loads
    // it when it first needs it rather than to be measured.
    SetList->setGeometry(ListSpot.left, ListSpot.top, ListSpot.width, SetList->sizeHint().height());
    SetList->setFont(pixelFont(MainTexts::UiFontFamily, 12)); // scheme names may hold any character

    QPushButton* buttons[3];
    for (int i = 0; i < 3; ++i) {
        buttons[i] =
            placeAt(new QPushButton(SchemeButtons[i].text(), client), SchemeButtons[i].spot);
        buttons[i]->setAutoDefault(false);
    }
    AddBtn = buttons[0];
    UpdBtn = buttons[1];
    DelBtn = buttons[2];
}

void TForm1::buildButtons(QWidget* client)
{
    EndBtn = placeAt(new QPushButton(MainTexts::Quit(), client), QuitSpot);
    EndBtn->setAutoDefault(false);
    // NOTE: created last, as it stands last in the tab order: Qt 6.4's setTabOrder drops
    // the link that would close the chain onto a widget created before the first ones.
    BitBtn1 = new QPushButton(client);
    BitBtn1->setIcon(QIcon(Resources::pipettePicture()));
    BitBtn1->setAutoDefault(false);
    placeAt(BitBtn1, EyedropperSpot);
}

// The preview labels take their size from the preview font, which the settings may change:
// measured once, after the settings are read, rather than once per font.
void TForm1::sizePreviewLabels()
{
    for (int slot = TEXT; slot < SlotCount; ++slot)
        m_slotLabels[slot]->adjustSize();
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
