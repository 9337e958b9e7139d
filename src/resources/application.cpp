#include "application.h"

#include "pictures.h"
#include "resources/version.h"

#include <QApplication>

namespace quatrelle::resources {

void DescribeApplication() {
    QApplication::setApplicationName(QString::fromLatin1(version::ProductName));
    QApplication::setApplicationDisplayName(QString::fromLatin1(version::ProductName));
    QApplication::setOrganizationName(QString::fromLatin1(version::CompanyName));
    QApplication::setApplicationVersion(QString::fromLatin1(version::FileVersion));
    // The desktop entry links the windows to the installed menu entry; until the icon theme
    // is read, they carry the embedded icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUATRELLE_APP_ID));
    QApplication::setWindowIcon(ApplicationIcon());
}

void UseThemeIcon() {
    const QIcon embedded = QApplication::windowIcon();
    const QIcon themed = QIcon::fromTheme(QStringLiteral(QUATRELLE_APP_ID), embedded);
    if (themed.cacheKey() != embedded.cacheKey())
        QApplication::setWindowIcon(themed);
}

} // namespace quatrelle::resources
