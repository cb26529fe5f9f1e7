#pragma once

#include <QEvent>
#include <QTimer>
#include <QWidget>

// For start-up timing: closes a window, as the user would, once its first frame is
// painted. Header-only, so the start-up baseline uses the very same mechanism without
// linking anything else of the program.
class CloseAfterFirstFrame final : public QObject {
public:
    explicit CloseAfterFirstFrame(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, m_window, &QWidget::close);
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_done = false;
};
