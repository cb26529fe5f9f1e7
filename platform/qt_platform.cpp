#include "qt_platform.h"

#include "desktop_session.h"
#include "portal_color_pick.h"
#include "x11_screen.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

namespace {

QMessageBox::Icon qtIcon(Platform::Icon icon)
{
    switch (icon) {
    case Platform::Icon::Information:
        return QMessageBox::Information;
    case Platform::Icon::Exclamation:
        return QMessageBox::Warning;
    case Platform::Icon::Question:
        return QMessageBox::Question;
    case Platform::Icon::Error:
        return QMessageBox::Critical;
    case Platform::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString runFileDialog(QWidget* parent, const Platform::FileDialog& request,
                      QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && request.fileMustExist
                           ? QFileDialog::ExistingFile
                           : QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(request.filter);
    // Only the texts show, as the filter gives them; the patterns may differ from its own.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.selectedFile.isEmpty())
        dialog.selectFile(request.selectedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

// Off the X11 plugin, the region through Qt's screen grab, one screen at a time.
QImage grabbedRegion(const ScreenLayout& layout, const QRect& physical)
{
    QImage image(physical.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (std::size_t i = 0; i < layout.size() && i < static_cast<std::size_t>(screens.size());
         ++i) {
        const QRect part = physical & physicalRect(layout[i]);
        if (part.isEmpty())
            continue;
        const QRect logical = QRectF(toLogical(layout[i], part.topLeft()),
                                     toLogical(layout[i], part.bottomRight() + QPoint(1, 1)))
                                  .toAlignedRect();
        const QRect local = logical.translated(-layout[i].logical.topLeft());
        // NOTE: Wayland compositors refuse the grab, and the image comes back empty.
        const QImage grab = screens.at(static_cast<qsizetype>(i))
                                ->grabWindow(0, local.x(), local.y(), local.width(), local.height())
                                .toImage();
        const QPoint grabOrigin = toPhysical(layout[i], logical.topLeft());
        for (int y = part.top(); y <= part.bottom(); ++y) {
            for (int x = part.left(); x <= part.right(); ++x) {
                const QPoint at = QPoint(x, y) - grabOrigin;
                if (grab.valid(at))
                    image.setPixel(x - physical.x(), y - physical.y(),
                                   grab.pixel(at) | 0xFF000000u);
            }
        }
    }
    return image;
}

} // namespace

QStringList qtNameFilters(const QString& filter)
{
    // NOTE: "*.*" asks for every file, but Qt matches it literally and would hide every
    // name without a dot. Programs here carry no ".exe" or ".com", and no name pattern can
    // ask for the executable bit, so the program filter lists every file, programs among them.
    static const QStringList everyFile = {QStringLiteral("*.*"), QStringLiteral("*.exe"),
                                          QStringLiteral("*.com")};
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts.at(i + 1).split(u';', Qt::SkipEmptyParts)) {
            const bool all = everyFile.contains(pattern, Qt::CaseInsensitive);
            const QString qtPattern = all ? QStringLiteral("*") : pattern;
            if (!patterns.contains(qtPattern))
                patterns << qtPattern;
        }
        result << QStringLiteral("%1 (%2)").arg(parts.at(i), patterns.join(u' '));
    }
    return result;
}

Platform::Answer QtPlatform::messageBox(QWidget* parent, const QString& caption,
                                        const QString& text, Buttons buttons, Icon icon)
{
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::Ok, parent);
    if (buttons == Buttons::OkCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<ColorValue> QtPlatform::chooseColor(QWidget* parent, ColorValue initial)
{
    // NOTE: Qt's colour dialog always shows its custom colours; there is no part to expand.
    const QColor chosen =
        QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return rgbColor(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<QFont> QtPlatform::chooseFont(QWidget* parent, const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QString> QtPlatform::openFileName(QWidget* parent, const FileDialog& dialog)
{
    FileDialog request = dialog;
    if (request.selectedFile.isEmpty())
        request.selectedFile = m_lastOpenFolder;
    const QString path = runFileDialog(parent, request, QFileDialog::AcceptOpen);
    if (path.isEmpty())
        return std::nullopt;
    m_lastOpenFolder = QFileInfo(path).absolutePath();
    return path;
}

std::optional<QString> QtPlatform::saveFileName(QWidget* parent, const FileDialog& dialog)
{
    const QString path = runFileDialog(parent, dialog, QFileDialog::AcceptSave);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool QtPlatform::shellOpen(const QString& pathOrAddress)
{
    const QUrl url = QUrl::fromUserInput(pathOrAddress, QDir::currentPath(), QUrl::AssumeLocalFile);
    if (!url.isValid() || (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())))
        return false;
    // NOTE: on Linux Qt hands the address to xdg-open and reports only whether that started;
    // a type with no handler fails later, inside the launcher, where we cannot see it.
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::startDetached(const QString& program, const QString& argument)
{
    return QProcess::startDetached(program, {argument});
}

ScreenLayout QtPlatform::screenLayout()
{
    return currentScreenLayout();
}

ScreenLayout currentScreenLayout()
{
    ScreenLayout layout;
    for (const QScreen* screen : QGuiApplication::screens())
        layout.push_back({screen->geometry(), screen->devicePixelRatio()});
    return layout;
}

// NOTE: off the X11 plugin (offscreen, VNC, a framebuffer) only Qt's logical positions are
// there to read, so a position is as exact as the scale factor lets it be.
std::optional<QPoint> QtPlatform::pointerPosition()
{
    if (X11Screen::available())
        return X11Screen::pointerPosition();
    const QPoint logical = QCursor::pos();
    const QList<QScreen*> screens = QGuiApplication::screens();
    const qsizetype index = screens.indexOf(QGuiApplication::screenAt(logical));
    if (index < 0)
        return logical;
    return toPhysical(currentScreenLayout().at(static_cast<std::size_t>(index)), logical);
}

void QtPlatform::movePointer(QPoint physical)
{
    if (X11Screen::available()) {
        X11Screen::movePointer(physical);
        return;
    }
    const ScreenLayout layout = currentScreenLayout();
    const std::optional<std::size_t> screen = screenAtPhysical(layout, physical);
    QCursor::setPos(screen ? toLogical(layout[*screen], physical).toPoint() : physical);
}

QImage QtPlatform::screenRegion(const QRect& physical)
{
    const ScreenLayout layout = currentScreenLayout();
    if (!X11Screen::available())
        return grabbedRegion(layout, physical);
    QImage image = X11Screen::region(physical);
    if (image.isNull()) // a pixel format the region reader does not know
        return grabbedRegion(layout, physical);
    // The root window also has pixels where no screen shows them.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!screenAtPhysical(layout, physical.topLeft() + QPoint(x, y)))
                image.setPixel(x, y, 0);
        }
    }
    return image;
}

DesktopSession QtPlatform::desktopSession()
{
    return currentDesktopSession();
}

void QtPlatform::pickScreenColor(QWidget* window, std::function<void(ScreenPick)> done)
{
    pickColorThroughPortal(QDBusConnection::sessionBus(), window, std::move(done));
}

QString QtPlatform::tempFolder()
{
    return QDir::tempPath();
}

QString QtPlatform::executablePath()
{
    return QCoreApplication::applicationFilePath();
}

QString QtPlatform::configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

bool QtPlatform::windowPositionKnown()
{
    // NOTE: a Wayland client never learns where its window is; x() and y() read 0. Under
    // XWayland the X11 plugin still places and reads its windows.
    return currentDesktopSession() != DesktopSession::Wayland;
}
