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
    QApplication::setWindowIcon(ApplicationIcon());
}

} // namespace quatrelle::resources
