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

void CentredMessageBox::showEvent(QShowEvent* event) {
    // The box takes its final size here, before it is mapped; placing its client area rather
    // than its frame keeps it where it is put whatever frame the window manager adds.
    QMessageBox::showEvent(event);
    if (const QWidget* parent = parentWidget()) {
        QRect placed(QPoint(), size());
        placed.moveCenter(parent->window()->geometry().center());
        setGeometry(placed);
    }
}

} // namespace quatrelle::runtime
