#include "pictures.h"

#include "stored_values.h"

#include <QGuiApplication>
#include <QImageReader>

namespace quatrelle::resources {

namespace {

// The window icon's two images.
struct IconFile {
    const char* path;
    int size;
};
constexpr std::array<IconFile, 2> IconFiles{
    {{":/pictures/icon_16.png", 16}, {":/pictures/icon_32.png", 32}}};

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
        .arg(ToQString(PictureFileStem(picture)), highDensity ? QStringLiteral("@2x") : QString());
}

QPixmap LoadPicture(Picture picture) {
    const bool highDensity = wantsHighDensity();
    QPixmap pixmap(PicturePath(picture, highDensity));
    if (highDensity)
        pixmap.setDevicePixelRatio(2.0);
    return pixmap;
}

QStringList MissingPictures() {
    QStringList paths;
    for (const PictureFile& file : PictureFiles)
        paths << PicturePath(file.picture, false) << PicturePath(file.picture, true);
    for (const IconFile& icon : IconFiles)
        paths << QLatin1String(icon.path);
    QStringList missing;
    for (const QString& path : paths)
        if (!readable(path))
            missing.append(path);
    return missing;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const IconFile& file : IconFiles)
        icon.addFile(QLatin1String(file.path), QSize(file.size, file.size));
    return icon;
}

} // namespace quatrelle::resources
