#pragma once

#include "layouts.h"
#include "runtime/mouse.h"

#include <QWidget>
#include <optional>

namespace quatrelle::resources {

// The flat command button of both windows: a face of one colour with its caption, a thin
// raised edge while the pointer is over it and a sunken one while it is pressed.
class FlatBttn : public QWidget {
    Q_OBJECT

public:
    FlatBttn(QWidget* parent, const FlatButtonSpec& spec);

    std::optional<std::int16_t> index() const { return m_spec.index; }
    QString caption() const { return m_caption; }
    const FlatButtonSpec& spec() const { return m_spec; }
    Qt::Alignment captionAlignment() const { return m_alignment; }
    bool isHovered() const { return m_hovered; }
    bool isPressed() const { return m_pressed; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // Activation: a press and release of the left button inside the button. A button of a
    // control array reports its index, a single button nothing.
    void Click();
    void IndexedClick(std::int16_t index);
    // Pointer movement over the button.
    void MouseMove(const quatrelle::runtime::MouseState& state);
    void IndexedMouseMove(std::int16_t index, const quatrelle::runtime::MouseState& state);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setHovered(bool hovered);

    FlatButtonSpec m_spec;
    QString m_caption;
    Qt::Alignment m_alignment;
    bool m_hovered = false;
    bool m_pressed = false;
};

// Caption alignment codes: a 3 x 3 grid read row by row, 0 top-left to 8 bottom-right;
// 4 is the centre, which is also the default.
Qt::Alignment CaptionAlignment(std::optional<std::int32_t> code);

} // namespace quatrelle::resources
