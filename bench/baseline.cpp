// The yardstick for start-up: the least a Qt Widgets window of Pagetint's size and kind
// of controls costs. Nothing of Pagetint's own is linked in.
#include "close_after_first_frame.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QSlider>

namespace {

constexpr int ClientWidth = 589;
constexpr int ClientHeight = 286;

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Baseline"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral(" Baseline"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &window,
                    &QWidget::close);

    auto* client = new QWidget(&window);
    client->setFixedSize(ClientWidth, ClientHeight);
    window.setCentralWidget(client);

    auto* panel = new QFrame(client);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setGeometry(5, 8, 242, 214);
    panel->setAutoFillBackground(true);
    for (int i = 0; i < 3; ++i) {
        auto* field = new QLineEdit(QStringLiteral("0"), client);
        field->setGeometry(369, 119 + 34 * i, 36, 23);
        auto* bar = new QSlider(Qt::Horizontal, client);
        bar->setRange(0, 255);
        bar->setGeometry(420, 116 + 34 * i, 160, 28);
    }
    auto* list = new QComboBox(client);
    list->setGeometry(10, 251, 172, list->sizeHint().height());
    window.setFixedSize(ClientWidth, ClientHeight + window.menuBar()->sizeHint().height());

    if (qEnvironmentVariable("PAGETINT_EXIT_AFTER_SHOWN") == QLatin1String("1"))
        window.installEventFilter(new CloseAfterFirstFrame(&window));
    window.show();
    return QApplication::exec();
}
