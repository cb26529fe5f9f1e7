#pragma once

#include "body_colors.h"
#include "color_sets.h"
#include "color_undo_stack.h"

#include <QCollator>
#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>
#include <string>

class ClickPanel;
class Eyedropper;
class LegibilityWindow;
class PaletteView;
class Platform;
class QAction;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFont;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QToolButton;
class SettingsStore;
class TAboutBox;
class TDM;
class TForm2;
class TForm4;
class TIntEdit;
class TUpDown;
struct CssPasteResult;
struct TemplateInput;
enum class ColorVision;
enum class LanguageOption;
class TURLLabel;

// The main window: the preview, the slot editor, the palette, the scheme list and the
// menu. It owns all state of the program.
// The preview page's path: a fixed name in a folder only this user can write.
QString previewPagePath(const QString& tempFolder);

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Platform& platform, QWidget* parent = nullptr);
    ~TForm1() override;

    // The body colours, always the true ones: under a colour-vision simulation the preview
    // shows them changed, but copies, templates and settings take these.
    ColorValue SlotColor(int slot) const;
    void SetSlotColor(int slot, ColorValue color);
    void SetBodyColors(const BodyColorSet& colors);
    BodyColorSet bodyColors() const { return m_sets.shown(); }
    const ColorSets& colorSets() const { return m_sets; }

    void SelectSlot(int slot);
    void SetEditColor(ColorValue color);
    void RefreshEditColor();
    void SetHexMode(TIntEdit* field, bool hexadecimal);
    ColorValue editColor() const { return m_editColor; }
    int selectedSlot() const;

    bool ColorPending = false;
    bool colorPending() const { return ColorPending; }
    // The editor colour and its pending flag as they were before a pick that was cancelled.
    void restoreEditColor(ColorValue color, bool pending);

    void ApplyScheme(int index);
    void ApplyPreviewFont(const QFont& font);

    ColorUndoStack& undoStack() { return m_undo; }
    SettingsStore* settingsStore() const { return m_settings.get(); }
    QString settingsPath() const { return m_settingsPath; }
    QString tempPagePath() const { return m_tempPagePath; }
    QString viewerPath() const { return m_viewerPath; }

    // A later start asked for this window: restore it when minimised, raise and activate it.
    void showFromAnotherStart();

    // The secondary windows, built when first used: the first frame needs none of them.
    TForm2* form2();
    TAboutBox* aboutBox();
    TForm4* form4();
    TDM* dm() const { return m_dm.get(); }
    LegibilityWindow* legibilityWindow();

signals:
    // Every change of a body colour, after the preview shows it.
    void bodyColorsChanged(const BodyColorSet& colors);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void buildPalette(QWidget* client);
    void buildPreview(QWidget* client);
    void buildEditor(QWidget* client);
    void buildSchemeList(QWidget* client);
    void buildButtons(QWidget* client);
    void sizePreviewLabels();
    void buildMenu();
    void buildTabOrder();
    void nameControls(); // for screen readers
    void connectHandlers();
    void FormCreate();
    void finishCreation();

    // Life of the window.
    void FormActivate();
    bool FormClose();
    // An OK/Cancel question over `parent`; true when the answer is OK.
    bool confirmed(QWidget* parent, const QString& question);
    void EndBtnClick();
    void Exit1Click();

    // Slot editing.
    void ColTypeClick();
    void BGpanelClick();
    void TextLabelClick();
    void LinkLabelClick();
    void VlinkLabelClick();
    void AlinkLabelClick();
    void barChange(int component);
    void fieldEnter(int component);
    void upDownClick(int component, int button);
    void ColBoxClick();
    void HexChkClick();
    void CundoClick();
    void setColBoxColor(ColorValue color);
    void setHexCaption();

    // Palette, eyedropper and colour dialog.
    void drawPalette();
    void CPalletMouseMove(QPoint pos);
    void CPalletMouseDown(QPoint pos, Qt::MouseButton button);
    void fitColorLabel();
    void ColBtnClick();
    void BitBtn1MouseDown(Qt::MouseButton button);
    void FormMouseMove();
    void FormMouseUp();
    bool eyedropperActive() const;
    void startEyedropper();
    void pickThroughPortal();
    void PickNamedClick();
    void PickScreenClick();

    // Clipboard.
    void Copy1Click();
    void AcopyClick();
    void Paste1Click();
    void enablePasteWhenClipboardHasText();
    void CopyVarsClick();
    void copyColorForm(std::string (*form)(ColorValue));
    void PasteCssClick();
    void OpenCssClick();
    void openCssFile(const QString& path);
    void applyCss(const QByteArray& utf8, const QString& nothingFound);
    void copyText(const std::string& text);

    // The dark scheme.
    void buildDarkMenu(QMenu* show);
    void DarkSchemeClick(bool checked);
    void DarkDeleteClick();
    void setDarkSet(const std::optional<BodyColorSet>& dark);
    void showColorSet(ColorSetKind kind);
    void updateTitle();
    void writeDarkLine(const QString& key);
    void loadDarkLine(const QString& key);
    void dropStaleDarkLines();

    // Settings. The option switches kept as "1" or "0", in the order they are read and written.
    struct OptionKey {
        const char* key;
        QAction* TForm1::*item;
    };
    static const std::array<OptionKey, 4>& optionKeys();
    void LoadSettings();
    bool writeSettings();

    // Scheme list.
    void SetListChange(int index);
    void AddBtnClick();
    void UpdBtnClick();
    void DelBtnClick();
    void CLsortClick();
    void setListTip(int index);
    void updateSchemeButtons();
    void addSchemeName(const QString& name);

    // HTML output and previews.
    void SaveAsClick();
    void HviewClick();
    void LdBackClick();
    void CancelBGClick();
    void IviewClick();
    void SetViewerClick();
    void FontSetClick();
    void Contents1Click();
    QString helpTarget() const;
    void updateHelpItem();
    void About1Click();

    // Legibility check and colour-vision preview.
    void buildLegibilityMenu(QMenu* show);
    void LegibilityClick();
    void SuggestionClick(int slot, ColorValue color);
    void FixAllClick();
    void applyFixedColors(const BodyColorSet& fixed);
    void ColorVisionClick(QAction* item);
    void drawSlotColor(int slot);

    // The interface language, which takes effect at the next start.
    void buildLanguageMenu(QMenu* option);
    void LanguageClick(QAction* item);
    void loadLanguageSetting(const SettingsStore& store);
    void writeLanguageSetting(SettingsStore& store) const;

    TemplateInput templateInput() const;
    void showFileWriteFailure(const QString& path, const QString& reason);

    Platform& m_platform;

    // Controls, by their layout names.
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* Bevel3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    PaletteView* CPallet = nullptr;
    QLabel* Clabel = nullptr;
    QToolButton* ColBtn = nullptr;
    QPushButton* BitBtn1 = nullptr;
    ClickPanel* BGpanel = nullptr;
    TURLLabel* TextLabel = nullptr;
    TURLLabel* LinkLabel = nullptr;
    TURLLabel* VlinkLabel = nullptr;
    TURLLabel* AlinkLabel = nullptr;
    ClickPanel* ColBox = nullptr;
    QLabel* ColHex = nullptr;
    QGroupBox* ColType = nullptr;
    QButtonGroup* m_colTypeGroup = nullptr;
    QCheckBox* HexChk = nullptr;
    TIntEdit* Rval = nullptr;
    TIntEdit* Gval = nullptr;
    TIntEdit* Bval = nullptr;
    TUpDown* Rupdwn = nullptr;
    TUpDown* Gupdwn = nullptr;
    TUpDown* Bupdwn = nullptr;
    QSlider* Rbar = nullptr;
    QSlider* Gbar = nullptr;
    QSlider* Bbar = nullptr;
    QComboBox* SetList = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* UpdBtn = nullptr;
    QPushButton* DelBtn = nullptr;
    QPushButton* EndBtn = nullptr;

    // Menu items, by their layout names.
    QAction* OpenCss = nullptr;
    QAction* LdBack = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Cundo = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Acopy = nullptr;
    QAction* Paste1 = nullptr;
    QAction* CopyVars = nullptr;
    QAction* CopyRgb = nullptr;
    QAction* CopyHsl = nullptr;
    QAction* CopyOklch = nullptr;
    QAction* PasteCss = nullptr;
    QAction* CancelBG = nullptr;
    QAction* ApplyColor = nullptr;
    QAction* PickNamed = nullptr;
    QAction* PickScreen = nullptr;
    QAction* Hview = nullptr;
    QAction* Iview = nullptr;
    QAction* Legibility = nullptr;
    QAction* DarkScheme = nullptr;
    QAction* DarkDelete = nullptr;
    QAction* Cusename = nullptr;
    QAction* ColDQ = nullptr;
    QAction* UseCSS = nullptr;
    QAction* CLsort = nullptr;
    QAction* Winpos = nullptr;
    QAction* SetViewer = nullptr;
    QAction* FontSet = nullptr;
    QAction* Contents1 = nullptr;
    QAction* About1 = nullptr;

    TIntEdit* m_fields[3] = {};
    TUpDown* m_upDowns[3] = {};
    QSlider* m_bars[3] = {};
    TURLLabel* m_slotLabels[SlotCount] = {}; // index 0 unused: slot 0 is the panel

    // The other windows, which live as long as this one.
    TForm2* m_form2 = nullptr;
    TAboutBox* m_aboutBox = nullptr;
    TForm4* m_form4 = nullptr;
    LegibilityWindow* m_legibility = nullptr;
    Eyedropper* m_eyedropper = nullptr; // built when first used (BitBtn1 or スポイト)
    QActionGroup* m_colorVisionGroup = nullptr;
    ColorVision m_colorVision{}; // none
    QActionGroup* m_languageGroup = nullptr;
    LanguageOption m_language{};   // automatic
    bool m_languageChosen = false; // the key is written only once the user has chosen
    std::unique_ptr<TDM> m_dm;

    ColorSets m_sets;
    ColorValue m_editColor = 0;
    ColorUndoStack m_undo;
    std::unique_ptr<SettingsStore> m_settings;
    QString m_settingsPath;
    QString m_positionAsRead; // the "Position" value at start, kept where x() and y() mean nothing
    QString m_helpPath;
    QString m_backgroundPath;
    QString m_viewerPath;
    QString m_tempPagePath;
    bool m_paletteHover = false;
    bool m_colorLabelFitted = false;  // Clabel's size chosen for the widest name
    bool m_portalPickPending = false; // the desktop portal's picker is up
    bool m_schemesSorted = false;
    QCollator m_collator; // the sorted scheme list's order: the locale's, ignoring case
    bool m_closing = false;
};
