// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "first_paint.h"

#include <QEvent>
#include <QTimer>
#include <utility>

namespace quatrelle::runtime {

namespace {

// Runs a task once, after the first event of a kind that the window receives.
class FirstEventWatcher : public QObject {
public:
    FirstEventWatcher(QWidget& window, QEvent::Type type, std::function<void()> task)
        : QObject(&window)
        , m_window(window)
        , m_type(type)
        , m_task(std::move(task)) {
        window.installEventFilter(this);
    }

    void fire() {
        if (!m_task)
            return;
        m_window.removeEventFilter(this);
        // After the event: a painted picture, for one, is flushed to the screen before a zero
        // timer fires.
        QTimer::singleShot(0, &m_window, std::exchange(m_task, nullptr));
        deleteLater();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == m_type)
            fire();
        return false;
    }

private:
    QWidget& m_window;
    QEvent::Type m_type;
    std::function<void()> m_task;
};

} // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> task) {
    new FirstEventWatcher(window, QEvent::Paint, std::move(task));
}

void WhenFirstActive(QWidget& window, std::chrono::milliseconds atTheLatest,
                     std::function<void()> task) {
    if (window.isActiveWindow()) {
        QTimer::singleShot(0, &window, std::move(task));
        return;
    }
    auto* watcher = new FirstEventWatcher(window, QEvent::WindowActivate, std::move(task));
    QTimer::singleShot(atTheLatest, watcher, [watcher] { watcher->fire(); });
}

} // namespace quatrelle::runtime
