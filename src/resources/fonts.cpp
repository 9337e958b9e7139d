#include "fonts.h"

#include <QStringList>

namespace quatrelle::resources {

QFont FontFor(const FontSpec& spec) {
    QFont font;
    // Qt walks the list in order, so the stored face wins wherever it is installed.
    const QString stored =
        QString::fromUtf8(spec.face.data(), static_cast<qsizetype>(spec.face.size()));
    font.setFamilies(QStringList() << stored << QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(spec.points);
    font.setWeight(spec.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    return font;
}

} // namespace quatrelle::resources
