// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat_button.h"

#include "fonts.h"
#include "runtime/twips.h"
#include "stored_values.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace quatrelle::resources {

Qt::Alignment CaptionAlignment(std::optional<std::int32_t> code) {
    static constexpr std::array<Qt::Alignment::Int, 3> horizontal{Qt::AlignLeft, Qt::AlignHCenter,
                                                                  Qt::AlignRight};
    static constexpr std::array<Qt::Alignment::Int, 3> vertical{Qt::AlignTop, Qt::AlignVCenter,
                                                                Qt::AlignBottom};
    const std::int32_t grid = code.value_or(4);
    if (grid < 0 || grid > 8)
        return Qt::AlignCenter;
    return Qt::Alignment(horizontal[grid % 3] | vertical[grid / 3]);
}

Qt::CursorShape CursorShape(MousePointer pointer) {
    switch (pointer) {
    case MousePointer::Arrow:
        return Qt::ArrowCursor;
    }
    return Qt::ArrowCursor;
}

FlatBttn::FlatBttn(QWidget* parent, const FlatButtonLayout& stored)
    : QAbstractButton(parent)
    , m_stored(stored)
    , m_alignment(CaptionAlignment(stored.alignCaption)) {
    // The stored caption is the French text that the translations start from.
    setText(QCoreApplication::translate("FlatBttn", std::string(stored.caption).c_str()));
    setFont(FontFor(stored.font));
    setCursor(CursorShape(stored.mousePointer));
    setMouseTracking(true);
    // Only the keyboard moves the focus: a click leaves it where it was, as it leaves the look.
    setFocusPolicy(Qt::TabFocus);
    if (!stored.toolTip.empty())
        setToolTip(ToQString(stored.toolTip));
    const QRect pixels = runtime::TwipsToPixels(stored.rect);
    if (stored.autoSize.value_or(false))
        setGeometry(QRect(pixels.topLeft(), sizeHint()));
    else
        setGeometry(pixels);
    connect(this, &QAbstractButton::clicked, this, &FlatBttn::activate);
}

QSize FlatBttn::sizeHint() const {
    return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(8, 6);
}

void FlatBttn::activate() {
    // The handler may close the window or end the program: nothing of this button is used
    // after the signal.
    if (m_stored.index)
        Q_EMIT IndexedClick(*m_stored.index);
    else
        Q_EMIT Click();
}

void FlatBttn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor face = ToColor(m_stored.backColour);
    painter.fillRect(rect(), face);
    const bool sunken = isDown();
    if ((m_hovered || sunken) && isEnabled()) {
        QPalette edge;
        edge.setColor(QPalette::Light, face.lighter(190));
        edge.setColor(QPalette::Dark, face.darker(250));
        qDrawShadeRect(&painter, rect(), edge, sunken, 1);
    }
    const QColor caption = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                           PaletteRole(m_stored.textColour));
    // The focus is marked only once the keyboard has been used in the window, so a player
    // who uses the mouse alone never sees it.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(caption, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
    painter.setPen(caption);
    const QRect text = rect().adjusted(2, 1, -2, -1).translated(sunken ? QPoint(1, 1) : QPoint());
    painter.drawText(text, static_cast<int>(m_alignment | Qt::TextSingleLine), this->text());
}

bool FlatBttn::event(QEvent* event) {
    const bool handled = QAbstractButton::event(event);
    // The style's polish treats a button as see-through; this one paints every pixel, and
    // saying so keeps the window's skin from being repainted beneath it on every press.
    if (event->type() == QEvent::Polish)
        setAttribute(Qt::WA_OpaquePaintEvent);
    return handled;
}

void FlatBttn::setHovered(bool hovered) {
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    update();
}

void FlatBttn::enterEvent(QEnterEvent*) {
    setHovered(true);
}

void FlatBttn::leaveEvent(QEvent*) {
    setHovered(false);
}

void FlatBttn::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
    m_pressed = event->button() == Qt::LeftButton ? true : m_pressed;
    // Accepted whatever the button, so that a press on a button never starts a drag of the
    // window beneath.
    event->accept();
}

void FlatBttn::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    QAbstractButton::mouseReleaseEvent(event);
    event->accept();
}

void FlatBttn::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
    // While the left button is held the button keeps the pointer, also outside it.
    setHovered(rect().contains(event->position().toPoint()));
    if (m_stored.index)
        Q_EMIT IndexedMouseMove(*m_stored.index, runtime::MouseStateOf(*event));
}

void FlatBttn::keyPressEvent(QKeyEvent* event) {
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    update();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace quatrelle::resources
