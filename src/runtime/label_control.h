// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twips.h"

#include <QLabel>
#include <QPixmap>

namespace quatrelle::runtime {

// A one-line label of plain text, without a frame, whose horizontal position is kept in twips, as a
// float, so that steps smaller than a pixel add up instead of being lost to rounding.
//
// The label is drawn once into a picture and repainted from it: laying out and shaping a long
// line of credits costs far more than copying the few pixels that a scroll step uncovers.
class LabelControl : public QLabel {
    Q_OBJECT

public:
    LabelControl(QWidget* parent, const TwipsRect& geometry);

    float Left() const { return m_twips.left; }
    void setLeft(float twips);
    float Width() const { return m_twips.width; }
    // Switches AutoSize on: width and height follow the one-line text.
    void fitToText();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What the drawn picture depends on besides the font, the colours and the state, whose
    // changes arrive as events.
    struct Appearance {
        QString text;
        QSize size;
        qreal pixelRatio = 0;
        Qt::Alignment alignment;
        int margin = 0;
        bool operator==(const Appearance&) const = default;
    };

    void applyGeometry();
    Appearance currentAppearance() const;
    void drawPicture(const Appearance& appearance);

    TwipsRect m_twips;
    QPixmap m_picture;
    Appearance m_pictured;
};

} // namespace quatrelle::runtime
