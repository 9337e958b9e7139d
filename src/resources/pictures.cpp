#include "pictures.h"

#include <QGuiApplication>
#include <QImageReader>

namespace quatrelle::resources {

namespace {

constexpr std::array AllPictures{Picture::Skin,     Picture::EmptyCell,    Picture::YellowPiece,
                                 Picture::RedPiece, Picture::HoveredArrow, Picture::NormalArrow,
                                 Picture::About};

const char* baseName(Picture picture) {
    switch (picture) {
    case Picture::Skin:
        return "skin";
    case Picture::EmptyCell:
        return "cell_empty";
    case Picture::YellowPiece:
        return "piece_yellow";
    case Picture::RedPiece:
        return "piece_red";
    case Picture::HoveredArrow:
        return "arrow_hovered";
    case Picture::NormalArrow:
        return "arrow_normal";
    case Picture::About:
        return "about";
    }
    return "";
}

bool wantsHighDensity() {
    return qApp && qApp->devicePixelRatio() > 1.0;
}

bool readable(const QString& path) {
    QImageReader reader(path);
    return reader.canRead() && reader.size().isValid();
}

} // namespace

QString PicturePath(Picture picture, bool highDensity) {
    return QStringLiteral(":/pictures/%1%2.png")
        .arg(QLatin1String(baseName(picture)), highDensity ? QStringLiteral("@2x") : QString());
}

QPixmap LoadPicture(Picture picture) {
    const bool highDensity = wantsHighDensity();
    QPixmap pixmap(PicturePath(picture, highDensity));
    if (highDensity)
        pixmap.setDevicePixelRatio(2.0);
    return pixmap;
}

QStringList MissingPictures() {
    QStringList missing;
    for (const Picture picture : AllPictures)
        for (const bool highDensity : {false, true})
            if (!readable(PicturePath(picture, highDensity)))
                missing.append(PicturePath(picture, highDensity));
    for (const auto* icon : {":/pictures/icon_16.png", ":/pictures/icon_32.png"})
        if (!readable(QLatin1String(icon)))
            missing.append(QLatin1String(icon));
    return missing;
}

QIcon ApplicationIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/icon_16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/pictures/icon_32.png"), QSize(32, 32));
    return icon;
}

} // namespace quatrelle::resources
