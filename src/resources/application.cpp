// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
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
    // The desktop entry links the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUATRELLE_APP_ID));
}

void SetApplicationIcon() {
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral(QUATRELLE_APP_ID), ApplicationIcon()));
}

} // namespace quatrelle::resources
