#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quatrelle::runtime {

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

bool CompositorPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

namespace {

// Time and requests enough for a window manager to settle where it puts a new window.
constexpr qint64 PlacementSettlesWithin = 1000; // milliseconds
constexpr int PlacementCorrections = 3;

} // namespace

void CentredMessageBox::showEvent(QShowEvent* event) {
    // The box takes its final size here, before it is mapped; placing its client area rather
    // than its frame keeps it where it is put whatever frame the window manager adds.
    QMessageBox::showEvent(event);
    if (const QWidget* parent = parentWidget()) {
        QRect placed(QPoint(), size());
        placed.moveCenter(parent->window()->geometry().center());
        m_wanted = placed.topLeft();
        m_corrections = 0;
        m_shown.start();
        request(m_wanted);
    }
}

void CentredMessageBox::request(QPoint topLeft) {
    m_requested = topLeft;
    setGeometry(QRect(topLeft, size()));
}

void CentredMessageBox::moveEvent(QMoveEvent* event) {
    QMessageBox::moveEvent(event);
    // Some window managers (i3) put their frame, not the box, where a new box asked to stand:
    // asking again, as far off the other way as the box landed, brings the box itself there.
    if (!isVisible() || !m_shown.isValid() || m_shown.elapsed() > PlacementSettlesWithin ||
        m_corrections >= PlacementCorrections || geometry().topLeft() == m_wanted)
        return;
    ++m_corrections;
    request(m_wanted - (geometry().topLeft() - m_requested));
}

} // namespace quatrelle::runtime
