// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "label_control.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

namespace quatrelle::runtime {

LabelControl::LabelControl(QWidget* parent, const TwipsRect& geometry)
    : QLabel(parent)
    , m_twips(geometry) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    applyGeometry();
}

void LabelControl::setLeft(float twips) {
    m_twips.left = twips;
    move(TwipsToPixelsX(m_twips.left), pos().y());
}

void LabelControl::fitToText() {
    const QSize fitted = sizeHint();
    m_twips.width = PixelsToTwipsX(fitted.width());
    m_twips.height = PixelsToTwipsY(fitted.height());
    applyGeometry();
}

void LabelControl::applyGeometry() {
    setGeometry(TwipsToPixels(m_twips));
}

LabelControl::Appearance LabelControl::currentAppearance() const {
    return {text(), size(), devicePixelRatioF(), alignment(), margin()};
}

void LabelControl::drawPicture(const Appearance& appearance) {
    m_picture = QPixmap(appearance.size * appearance.pixelRatio);
    m_picture.setDevicePixelRatio(appearance.pixelRatio);
    m_picture.fill(Qt::transparent);
    QPainter painter(&m_picture);
    painter.setFont(font()); // a painter on a widget would take it from the widget
    if (autoFillBackground())
        painter.fillRect(rect(), palette().brush(backgroundRole()));
    // Drawn as a label draws its plain text, so the picture matches it pixel for pixel.
    const bool rightToLeft = appearance.text.isRightToLeft();
    const int flags = QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight,
                                              appearance.alignment) |
                      (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    const int inset = appearance.margin;
    style()->drawItemText(&painter, contentsRect().adjusted(inset, inset, -inset, -inset), flags,
                          palette(), isEnabled(), appearance.text, foregroundRole());
    m_pictured = appearance;
}

void LabelControl::paintEvent(QPaintEvent*) {
    if (const Appearance appearance = currentAppearance();
        m_picture.isNull() || !(appearance == m_pictured))
        drawPicture(appearance);
    // The painter is clipped to the uncovered region, so only those pixels are copied.
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void LabelControl::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        m_picture = QPixmap();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

} // namespace quatrelle::runtime
