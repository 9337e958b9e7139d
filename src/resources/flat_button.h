// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layouts.h"
#include "runtime/mouse.h"

#include <QAbstractButton>
#include <optional>

namespace quatrelle::resources {

// The flat command button of both windows: a face of one colour with its caption, a thin
// raised edge while the pointer is over it and a sunken one while it is pressed. Being a
// button to Qt, it is a push button with a Press action to assistive technology, and Space and
// Enter press it once the keyboard has given it the focus.
class FlatBttn : public QAbstractButton {
    Q_OBJECT

public:
    FlatBttn(QWidget* parent, const FlatButtonLayout& stored);

    std::optional<std::int16_t> index() const { return m_stored.index; }
    QString caption() const { return text(); }
    const FlatButtonLayout& stored() const { return m_stored; }
    Qt::Alignment captionAlignment() const { return m_alignment; }
    bool isHovered() const { return m_hovered; }
    bool isPressed() const { return m_pressed; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // Activation, by a click of the left button inside the button, a key or an assistive
    // technology's Press. A button of a control array reports its index, a single button nothing.
    void Click();
    void IndexedClick(std::int16_t index);
    // Pointer movement over a button of a control array.
    void IndexedMouseMove(std::int16_t index, const quatrelle::runtime::MouseState& state);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setHovered(bool hovered);
    void activate();

    FlatButtonLayout m_stored;
    Qt::Alignment m_alignment;
    bool m_hovered = false;
    bool m_pressed = false; // the left button went down on this button and is still held
};

// Caption alignment codes: a 3 x 3 grid read row by row, 0 top-left to 8 bottom-right;
// 4 is the centre, which is also the default.
Qt::Alignment CaptionAlignment(std::optional<std::int32_t> code);

// The pointer shape of a stored pointer code.
Qt::CursorShape CursorShape(MousePointer pointer);

} // namespace quatrelle::resources
