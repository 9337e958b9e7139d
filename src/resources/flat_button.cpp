#include "flat_button.h"

#include "fonts.h"
#include "runtime/twips.h"
#include "stored_values.h"

#include <QMouseEvent>
#include <QPainter>
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

FlatBttn::FlatBttn(QWidget* parent, const FlatButtonSpec& spec)
    : QWidget(parent)
    , m_spec(spec)
    , m_caption(ToQString(spec.caption))
    , m_alignment(CaptionAlignment(spec.alignCaption)) {
    setFont(FontFor(spec.font));
    setCursor(Qt::ArrowCursor); // pointer code 1, the only one the layouts use
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (!spec.toolTip.empty())
        setToolTip(ToQString(spec.toolTip));
    const QRect pixels = runtime::TwipsToPixels(spec.rect);
    if (spec.autoSize.value_or(false))
        setGeometry(QRect(pixels.topLeft(), sizeHint()));
    else
        setGeometry(pixels);
}

QSize FlatBttn::sizeHint() const {
    return fontMetrics().size(Qt::TextSingleLine, m_caption) + QSize(8, 6);
}

void FlatBttn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor face = ToColor(m_spec.backColour);
    painter.fillRect(rect(), face);
    const bool sunken = m_pressed && m_hovered;
    if (m_hovered && isEnabled()) {
        QPalette edge;
        edge.setColor(QPalette::Light, face.lighter(190));
        edge.setColor(QPalette::Dark, face.darker(250));
        qDrawShadeRect(&painter, rect(), edge, sunken, 1);
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   PaletteRole(m_spec.textColour)));
    const QRect text = rect().adjusted(2, 1, -2, -1).translated(sunken ? QPoint(1, 1) : QPoint());
    painter.drawText(text, static_cast<int>(m_alignment | Qt::TextSingleLine), m_caption);
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

void FlatBttn::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        m_pressed = false;
        update();
    }
    QWidget::changeEvent(event);
}

void FlatBttn::mousePressEvent(QMouseEvent* event) {
    // Accepted, so that a press on a button never starts a drag of the window beneath.
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    update();
}

void FlatBttn::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    update();
    if (!rect().contains(event->position().toPoint()))
        return;
    // The handler may close the window or end the program: nothing of this button is used
    // after the signal.
    if (m_spec.index)
        Q_EMIT IndexedClick(*m_spec.index);
    else
        Q_EMIT Click();
}

void FlatBttn::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    // While the left button is held the button keeps the pointer, also outside it.
    setHovered(rect().contains(event->position().toPoint()));
    const runtime::MouseState state = runtime::MouseStateOf(*event);
    if (m_spec.index)
        Q_EMIT IndexedMouseMove(*m_spec.index, state);
    else
        Q_EMIT MouseMove(state);
}

} // namespace quatrelle::resources
