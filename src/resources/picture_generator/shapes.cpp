// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shapes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPathStroker>
#include <array>
#include <cmath>
#include <numbers>

namespace quatrelle::pictures {

namespace {

constexpr int BoardPictureSize = 32;

QImage blankImage(int width, int height, int scale, const QColor& fill) {
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

struct ScaledPainter : QPainter {
    ScaledPainter(QImage* image, int scale)
        : QPainter(image) {
        setRenderHint(QPainter::Antialiasing);
        QPainter::scale(scale, scale);
    }
};

// Pixel (i, j) covers the square from (i, j) to (i + 1, j + 1), so a centre given in pixel
// indices lies half a pixel further in painter coordinates.
QPointF pixelCentre(double column, double row) {
    return {column + 0.5, row + 0.5};
}

QPainterPath ring(QPointF centre, double inner, double outer) {
    QPainterPath path;
    path.addEllipse(centre, outer, outer);
    path.addEllipse(centre, inner, inner);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

// The green body of the normal arrow: a shaft over columns 14 to 18 from row 3, and a head
// that spreads to columns 2 to 29 at row 18 and ends in a tip on the bottom edge.
QPolygonF arrowBody() {
    return QPolygonF({{14, 3},
                      {19, 3},
                      {19, 16},
                      {30, 18},
                      {30, 19.2},
                      {16.5, 31.6},
                      {3, 19.2},
                      {2, 19.2},
                      {2, 18},
                      {14, 16}});
}

// The hovered arrow keeps the outer outline and thins the green inside it.
QPolygonF hoveredArrowBody() {
    return QPolygonF(
        {{14, 5}, {18, 5}, {18, 18}, {26.5, 19.6}, {16.3, 28.6}, {6.2, 19.6}, {14, 18}});
}

void paintArrow(QPainter& painter, Arrow arrow, QPointF offset) {
    painter.save();
    painter.translate(offset);
    QPainterPath body;
    body.addPolygon(arrowBody());
    body.closeSubpath();
    QPainterPathStroker stroker;
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setWidth(arrow == Arrow::Normal ? 3.0 : 3.4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Black);
    painter.drawPath(stroker.createStroke(body).united(body));
    painter.setBrush(Green);
    painter.drawPolygon(arrow == Arrow::Normal ? arrowBody() : hoveredArrowBody());
    painter.restore();
}

void paintCell(QPainter& painter, Cell cell, QPointF offset) {
    const QPointF centre = offset + pixelCentre(15.5, 15);
    painter.setPen(Qt::NoPen);
    const bool yellow =
        cell == Cell::Yellow || cell == Cell::YellowHint || cell == Cell::YellowMarked;
    painter.setBrush(yellow ? Yellow : Red);
    if (cell == Cell::YellowHint || cell == Cell::RedHint) {
        painter.drawPath(ring(centre, 6.0, 10.0));
    } else if (cell != Cell::Empty) {
        painter.drawEllipse(centre, 12.0, 12.0);
        if (cell == Cell::YellowMarked || cell == Cell::RedMarked) {
            painter.setBrush(White);
            painter.drawPath(ring(centre, 5.0, 7.5));
        }
    }
    painter.setBrush(Black);
    painter.drawPath(ring(centre, 11.5, 14.6));
}

// A fixed scatter of the three blues of the about picture's board, the same on every build.
QColor mottledBlue(int x, int y) {
    static constexpr std::array<int, 3> shades{253, 251, 255};
    const unsigned hash =
        (static_cast<unsigned>(x) * 73856093u) ^ (static_cast<unsigned>(y) * 19349663u);
    return QColor(0, 0, shades[(hash >> 7) % shades.size()]);
}

QRgb sampleBilinear(const QImage& image, double x, double y) {
    x = std::clamp(x, 0.0, image.width() - 1.001);
    y = std::clamp(y, 0.0, image.height() - 1.001);
    const int x0 = static_cast<int>(x);
    const int y0 = static_cast<int>(y);
    const double fx = x - x0;
    const double fy = y - y0;
    const auto mix = [&](auto channel) {
        const double top =
            channel(image.pixel(x0, y0)) * (1 - fx) + channel(image.pixel(x0 + 1, y0)) * fx;
        const double bottom =
            channel(image.pixel(x0, y0 + 1)) * (1 - fx) + channel(image.pixel(x0 + 1, y0 + 1)) * fx;
        return static_cast<int>(std::lround(top * (1 - fy) + bottom * fy));
    };
    return qRgb(mix([](QRgb c) { return qRed(c); }), mix([](QRgb c) { return qGreen(c); }),
                mix([](QRgb c) { return qBlue(c); }));
}

// The whirlpool: every pixel inside the radius takes its colour from the plain picture at the
// same distance from the centre, turned by an angle that grows towards the centre.
QImage whirl(const QImage& plain, QPointF centre, double radius, double strength, QRect area) {
    QImage result = plain;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const double dx = x + 0.5 - centre.x();
            const double dy = y + 0.5 - centre.y();
            const double distance = std::hypot(dx, dy);
            if (distance >= radius)
                continue;
            const double falloff = 1.0 - distance / radius;
            const double angle = std::atan2(dy, dx) + strength * falloff * falloff;
            result.setPixel(x, y,
                            sampleBilinear(plain, centre.x() + distance * std::cos(angle) - 0.5,
                                           centre.y() + distance * std::sin(angle) - 0.5));
        }
    }
    return result;
}

} // namespace

QImage drawSkin(int scale) {
    constexpr int width = 402;
    constexpr int height = 274;
    QImage image = blankImage(width, height, scale, White);
    ScaledPainter painter(&image, scale);
    // The bottom-left corner outside the outline is a slightly pink white.
    painter.fillRect(QRectF(0, height - 13, 13, 13), QColor(255, 248, 255));
    painter.setPen(QPen(Black, 1.0));
    painter.setBrush(Blue);
    painter.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 12, 12);
    // The inner field is a blue one level darker than the band along the edges.
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(9, 17, width - 9 - 12, height - 17 - 8), InnerBlue);
    return image;
}

QImage drawCell(Cell cell, int scale) {
    QImage image = blankImage(BoardPictureSize, BoardPictureSize, scale, Blue);
    ScaledPainter painter(&image, scale);
    paintCell(painter, cell, {0, 0});
    return image;
}

QImage drawArrow(Arrow arrow, int scale) {
    QImage image = blankImage(BoardPictureSize, BoardPictureSize, scale, Blue);
    ScaledPainter painter(&image, scale);
    paintArrow(painter, arrow, {0, 0});
    return image;
}

QImage drawAbout(int scale) {
    constexpr int width = 290;
    constexpr int height = 266;
    constexpr QPointF boardOrigin(33, 70);
    QImage plain = blankImage(width, height, scale, Blue);
    for (int y = 66 * scale; y < 236 * scale; ++y)
        for (int x = 0; x < width * scale; ++x)
            plain.setPixelColor(x, y, mottledBlue(x / scale, y / scale));
    {
        ScaledPainter painter(&plain, scale);
        painter.fillRect(QRectF(0, 0, width, 26), InnerBlue);
        // Seven arrows from column 12 to column 275, on rows 33 to 63.
        for (int column = 0; column < 7; ++column)
            paintArrow(painter, Arrow::Normal, {12.0 + column * (275.0 - 12.0 - 31.0) / 6.0, 32.0});
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 7; ++column) {
                const QPointF cell = boardOrigin + QPointF(column * 32.0, row * 32.0);
                painter.setPen(Qt::NoPen);
                painter.setBrush(Black);
                painter.drawPath(ring(cell + pixelCentre(15.5, 15), 11.5, 14.6));
            }
        }
    }
    QImage image = whirl(plain, QPointF(153, 135) * scale, 125.0 * scale, 3.0,
                         QRect(0, 27 * scale, width * scale, (height - 27) * scale));

    // The name is fitted to rows 133 to 162 and columns 39 to 267 whatever the font's metrics.
    QFont font(QString::fromLatin1(TitleFontFamily));
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("Quatrelle"));
    const QRectF bounds = name.boundingRect();
    const QRectF target(39, 133, 229, 30);
    QTransform fit;
    fit.translate(target.left(), target.top());
    fit.scale(target.width() / bounds.width(), target.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    ScaledPainter painter(&image, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Green);
    painter.drawPath(fit.map(name));
    return image;
}

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Small icons are drawn pixel-exact, so that they keep few colours and sharp marks.
    painter.setRenderHint(QPainter::Antialiasing, size > 32);
    painter.setPen(Qt::NoPen);
    const double unit = size / 32.0;
    const QRectF field = size == 16 ? QRectF(0, 2, 16, 11) : QRectF(0, 5 * unit, size, 22 * unit);
    painter.fillRect(field, Blue);

    static constexpr std::array<const char*, 3> pieces{"....2..", "..112..", ".21121."};
    const double columnWidth = size / 7.0;
    const double mark = std::max(1.0, std::floor(columnWidth * 0.75));
    const double rowHeight = field.height() / 5.0;
    for (int column = 0; column < 7; ++column) {
        const double left = std::floor(column * columnWidth + (columnWidth - mark) / 2);
        painter.setBrush(Green);
        painter.drawRect(QRectF(left, field.top() + std::floor(rowHeight * 0.5), mark,
                                std::max(1.0, std::floor(rowHeight * 0.6))));
        for (int row = 0; row < 3; ++row) {
            const char piece = pieces[row][column];
            if (piece == '.')
                continue;
            painter.setBrush(piece == '1' ? Yellow : Red);
            const QRectF rect(left, field.top() + std::floor(rowHeight * (row + 2)), mark,
                              std::max(1.0, std::floor(rowHeight * 0.8)));
            if (size > 32)
                painter.drawEllipse(rect);
            else
                painter.drawRect(rect);
        }
    }
    return image;
}

} // namespace quatrelle::pictures
