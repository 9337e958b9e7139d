#pragma once

#include "twips.h"

#include <QLabel>

namespace quatrelle::runtime {

// A one-line label whose horizontal position is kept in twips, as a float, so that steps
// smaller than a pixel add up instead of being lost to rounding.
class LabelControl : public QLabel {
    Q_OBJECT

public:
    LabelControl(QWidget* parent, const TwipsRect& geometry);

    float Left() const { return m_twips.left; }
    void setLeft(float twips);
    float Width() const { return m_twips.width; }
    // Switches AutoSize on: width and height follow the one-line text.
    void fitToText();

private:
    void applyGeometry();

    TwipsRect m_twips;
};

} // namespace quatrelle::runtime
