#include "first_paint.h"

#include <QEvent>
#include <QTimer>

namespace quatrelle::runtime {

namespace {

class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget& window, std::function<void()> task)
        : QObject(&window)
        , m_task(std::move(task)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The painted picture is flushed to the screen before a zero timer fires.
            QTimer::singleShot(0, watched, std::move(m_task));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_task;
};

} // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> task) {
    new FirstPaintWatcher(window, std::move(task));
}

} // namespace quatrelle::runtime
