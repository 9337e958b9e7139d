#pragma once

#include "mouse.h"
#include "twips.h"

#include <QPixmap>
#include <QWidget>
#include <cstdint>

namespace quatrelle::runtime {

// Shows its picture at the picture's own size from its top-left corner, without border or
// scaling, and reports clicks and pointer movement together with its index in its array.
class ImageControl : public QWidget {
    Q_OBJECT

public:
    ImageControl(QWidget* parent, std::int16_t index, const TwipsRect& geometry, bool visible);

    std::int16_t index() const { return m_index; }
    const TwipsRect& twips() const { return m_twips; }
    void setLeft(float twips);
    void setTop(float twips);

    // The same picture object as the source: assigning never copies pixels.
    const QPixmap& picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

    // A hidden copy of this control's properties, for a new element of its array.
    ImageControl* cloneAt(std::int16_t index) const;

Q_SIGNALS:
    void Click(std::int16_t index);
    void MouseMove(std::int16_t index, const quatrelle::runtime::MouseState& state);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void applyGeometry();

    std::int16_t m_index;
    TwipsRect m_twips;
    QPixmap m_picture;
    bool m_leftPressed = false;
};

} // namespace quatrelle::runtime
