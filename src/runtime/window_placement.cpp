// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

namespace quatrelle::runtime {

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

QRect PlaceBeside(const QRect& available, const QRect& kept, QSize wanted) {
    constexpr int Gap = 8;
    const std::array<QRect, 4> strips{
        QRect(QPoint(kept.right() + 1 + Gap, available.top()), available.bottomRight()),
        QRect(available.topLeft(), QPoint(kept.left() - 1 - Gap, available.bottom())),
        QRect(QPoint(available.left(), kept.bottom() + 1 + Gap), available.bottomRight()),
        QRect(available.topLeft(), QPoint(available.right(), kept.top() - 1 - Gap))};
    const auto fits = [&wanted](const QRect& strip) {
        return strip.width() >= wanted.width() && strip.height() >= wanted.height();
    };
    auto chosen = std::find_if(strips.begin(), strips.end(), fits);
    QSize size = wanted;
    if (chosen == strips.end()) {
        chosen = std::max_element(strips.begin(), strips.end(), [](const QRect& a, const QRect& b) {
            return qint64(a.width()) * std::max(a.height(), 0) <
                   qint64(b.width()) * std::max(b.height(), 0);
        });
        // Narrower than wanted, the window grows taller, and the other way round.
        const double area = double(wanted.width()) * wanted.height();
        if (chosen->width() < wanted.width())
            size = QSize(chosen->width(), std::min(chosen->height(), int(area / chosen->width())));
        else
            size = QSize(std::min(chosen->width(), int(area / std::max(chosen->height(), 1))),
                         chosen->height());
    }
    const bool beside = chosen - strips.begin() < 2;
    QRect placed(QPoint(), size);
    // Beside, level with the kept part's top; above or below, with its left edge.
    placed.moveTopLeft(
        beside
            ? QPoint(chosen == strips.begin() ? chosen->left() : chosen->right() + 1 - size.width(),
                     kept.top())
            : QPoint(kept.left(), chosen == strips.begin() + 2
                                      ? chosen->top()
                                      : chosen->bottom() + 1 - size.height()));
    placed.moveLeft(std::clamp(placed.left(), chosen->left(),
                               std::max(chosen->left(), chosen->right() + 1 - size.width())));
    placed.moveTop(std::clamp(placed.top(), chosen->top(),
                              std::max(chosen->top(), chosen->bottom() + 1 - size.height())));
    return placed;
}

namespace {

// Smaller than this, a window beside the whole of the other leaves too little to read, and
// standing over the other's controls is the lesser harm.
constexpr QSize Readable(380, 380);
// Down to this, the help and the analysis rearrange their parts and stay of use: a window is
// better there, beside another, than over it.
constexpr QSize Usable(300, 300);

qint64 areaOf(const QRect& rect) {
    return qint64(std::max(rect.width(), 0)) * std::max(rect.height(), 0);
}

QRect placeClearOf(const QRect& available, const QRect& whole, const QRect& kept, QSize wanted) {
    const QRect besideWhole = PlaceBeside(available, whole, wanted);
    if (besideWhole.size() == wanted ||
        (besideWhole.width() >= Readable.width() && besideWhole.height() >= Readable.height()))
        return besideWhole;
    return PlaceBeside(available, kept, wanted);
}

} // namespace

QRect PlaceClearOf(const QRect& available, const QRect& whole, const QRect& kept, QSize wanted,
                   const QRect& sibling) {
    const QRect alone = placeClearOf(available, whole, kept, wanted);
    if (sibling.isNull() || !alone.intersects(sibling))
        return alone;
    const QRect apart = placeClearOf(available, whole | sibling, kept | sibling, wanted);
    const bool usable = apart.width() >= Usable.width() && apart.height() >= Usable.height();
    return !apart.intersects(kept) && !apart.intersects(sibling) &&
                   (usable || areaOf(apart) >= areaOf(alone))
               ? apart
               : alone;
}

QRect GeometryBeside(const QWidget& window, const QWidget& other, const QRect& kept, QSize wanted,
                     const QWidget* sibling) {
    const QScreen* screen =
        window.parentWidget() ? window.parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return window.geometry();
    // The window manager's frame, as it gave it the last time, or before that a usual one.
    const QRect inner = window.geometry(), outer = window.frameGeometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.isNull())
        frame = QMargins(4, 30, 4, 4);
    const QSize framed = wanted.grownBy(frame);
    const QRect besideSibling =
        sibling && sibling->isVisible() ? sibling->frameGeometry() : QRect();
    return PlaceClearOf(screen->availableGeometry(), other.frameGeometry(), kept, framed,
                        besideSibling)
        .marginsRemoved(frame);
}

bool CompositorPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

namespace {

// Time enough for a window manager to settle where it puts a new window, and for the answers
// to one request to arrive.
constexpr qint64 PlacementSettlesWithin = 1000; // milliseconds
constexpr int AnswersArriveWithin = 50;         // milliseconds

} // namespace

CentredMessageBox::CentredMessageBox(Icon icon, const QString& title, const QString& text,
                                     StandardButtons buttons, QWidget* parent)
    : QMessageBox(icon, title, text, buttons, parent) {
    m_settling.setSingleShot(true);
    m_settling.setInterval(AnswersArriveWithin);
    connect(&m_settling, &QTimer::timeout, this, &CentredMessageBox::correctPlacement);
}

void CentredMessageBox::showEvent(QShowEvent* event) {
    // The box takes its final size here, before it is mapped; placing its client area rather
    // than its frame keeps it where it is put by window managers that honour that.
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
    if (isVisible() && m_shown.isValid() && m_shown.elapsed() <= PlacementSettlesWithin)
        m_settling.start();
}

// Some window managers (i3) put their frame, not the box, where a new box asked to stand, and
// honour a second request as it is meant; one that kept adding its frame would be asked once
// more, as far off the other way.
void CentredMessageBox::correctPlacement() {
    const QPoint landed = geometry().topLeft();
    if (landed == m_wanted || m_corrections >= 2)
        return;
    const QPoint offset = m_corrections == 0 ? QPoint() : landed - m_requested;
    ++m_corrections;
    request(m_wanted - offset);
}

} // namespace quatrelle::runtime
