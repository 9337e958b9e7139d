// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mouse.h"
#include "twips.h"

#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <functional>

class QPainter;

namespace quatrelle::runtime {

// Draws a window's background picture from the top-left corner at its design size on this
// screen, smoothly scaled where the screen's density is not the picture's.
void DrawWindowPicture(QPainter& painter, const QPixmap& picture);

// Shows its picture over the whole control, without border, and reports clicks and pointer
// movement together with its index in its array. Assistive technology sees a push button whose
// Press action is a click; the window names it.
class ImageControl : public QWidget {
    Q_OBJECT

public:
    ImageControl(QWidget* parent, std::int16_t index, const TwipsRect& geometry, bool visible);

    std::int16_t index() const { return m_index; }
    const TwipsRect& twips() const { return m_twips; }
    void setLeft(float twips);
    void setTop(float twips);

    // The same picture object as the source: assigning never copies pixels.
    const QPixmap& picture() const;
    void setPicture(const QPixmap& picture);
    // Leaves the picture to be loaded the first time it is asked for, for a hidden holder of a
    // picture that is only needed once the game is under way.
    void setPictureLoader(std::function<QPixmap()> loader);

    // A hidden copy of this control's properties, for a new element of its array.
    ImageControl* cloneAt(std::int16_t index) const;

    // A click that no mouse made, as an assistive technology's Press action makes it: it comes
    // from the event loop, so that a message box it opens never runs inside the caller.
    void postClick();

Q_SIGNALS:
    void Click(std::int16_t index);
    void MouseMove(std::int16_t index, const quatrelle::runtime::MouseState& state);
    void GotFocus(std::int16_t index);
    void LostFocus(std::int16_t index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyGeometry();

    std::int16_t m_index;
    TwipsRect m_twips;
    mutable QPixmap m_picture;
    mutable std::function<QPixmap()> m_loader; // until the picture is first asked for
    bool m_leftPressed = false;
};

} // namespace quatrelle::runtime
