#include "label_control.h"

namespace quatrelle::runtime {

LabelControl::LabelControl(QWidget* parent, const TwipsRect& geometry)
    : QLabel(parent)
    , m_twips(geometry) {
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

} // namespace quatrelle::runtime
