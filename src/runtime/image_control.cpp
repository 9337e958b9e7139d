// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_control.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace quatrelle::runtime {

namespace {

class AccessibleImageControl : public QAccessibleWidget {
public:
    explicit AccessibleImageControl(ImageControl* control)
        : QAccessibleWidget(control, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && widget()->isEnabled())
            static_cast<ImageControl*>(widget())->postClick();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* accessibleImageControl(const QString&, QObject* object) {
    if (auto* control = qobject_cast<ImageControl*>(object))
        return new AccessibleImageControl(control);
    return nullptr;
}

} // namespace

void DrawWindowPicture(QPainter& painter, const QPixmap& picture) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(), DesignSizeOnScreen(picture.deviceIndependentSize())),
                       picture);
}

ImageControl::ImageControl(QWidget* parent, std::int16_t index, const TwipsRect& geometry,
                           bool visible)
    : QWidget(parent)
    , m_index(index)
    , m_twips(geometry) {
    static const bool accessible = (QAccessible::installFactory(accessibleImageControl), true);
    Q_UNUSED(accessible);
    // Pointer movement is reported with no button held, as the hover feedback needs.
    setMouseTracking(true);
    applyGeometry();
    setVisible(visible);
}

void ImageControl::setLeft(float twips) {
    m_twips.left = twips;
    applyGeometry();
}

void ImageControl::setTop(float twips) {
    m_twips.top = twips;
    applyGeometry();
}

const QPixmap& ImageControl::picture() const {
    if (m_loader) {
        m_picture = m_loader();
        m_loader = nullptr;
    }
    return m_picture;
}

void ImageControl::setPicture(const QPixmap& picture) {
    m_loader = nullptr;
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    // Every picture is opaque, so nothing beneath needs painting first; without one the
    // window's surface shows through.
    setAttribute(Qt::WA_OpaquePaintEvent, !m_picture.isNull());
    update();
}

void ImageControl::setPictureLoader(std::function<QPixmap()> loader) {
    m_picture = QPixmap();
    m_loader = std::move(loader);
    setAttribute(Qt::WA_OpaquePaintEvent); // as every picture is
    update();
}

ImageControl* ImageControl::cloneAt(std::int16_t index) const {
    auto* clone = new ImageControl(parentWidget(), index, m_twips, false);
    clone->setPicture(picture());
    return clone;
}

void ImageControl::postClick() {
    // The window may have been disabled while the click waited.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isEnabled())
                Q_EMIT Click(m_index);
        },
        Qt::QueuedConnection);
}

void ImageControl::applyGeometry() {
    setGeometry(TwipsToPixels(m_twips));
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (picture().isNull())
        return;
    // The picture covers the control at any density: the 2x form is drawn pixel for pixel
    // where the control has twice its pixels, and smoothly scaled elsewhere.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_picture);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    // Accepted, so that a press on a control never reaches the window beneath.
    event->accept();
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !m_leftPressed)
        return;
    m_leftPressed = false;
    if (rect().contains(event->position().toPoint()))
        Q_EMIT Click(m_index);
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT MouseMove(m_index, MouseStateOf(*event));
}

void ImageControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    Q_EMIT GotFocus(m_index);
}

void ImageControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    Q_EMIT LostFocus(m_index);
}

} // namespace quatrelle::runtime
