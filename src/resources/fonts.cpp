#include "fonts.h"

#include "stored_values.h"

#include <QStringList>

namespace quatrelle::resources {

QFont FontFor(const FontSpec& spec) {
    QFont font;
    // Qt walks the list in order, so the stored face wins wherever it is installed.
    font.setFamilies(QStringList() << ToQString(spec.face) << QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(spec.points);
    font.setWeight(spec.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    return font;
}

} // namespace quatrelle::resources
