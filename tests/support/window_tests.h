// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/application.h"
#include "resources/language.h"

#include <QGuiApplication>
#include <QLocale>
#include <QString>

namespace quatrelle::testing {

// A run on a double-density screen names the ratio it expects, lest a screen setting that
// failed to apply turn it into a second run at one device pixel a pixel. Empty when the ratio
// is the expected one or none is expected.
inline QString unexpectedPixelRatio() {
    const QString expected = qEnvironmentVariable("QUATRELLE_EXPECTED_PIXEL_RATIO");
    if (expected.isEmpty() || qGuiApp->devicePixelRatio() == expected.toDouble())
        return {};
    return QStringLiteral("device pixel ratio %1, not %2")
        .arg(qGuiApp->devicePixelRatio())
        .arg(expected);
}

// What every window test program does first: it names the application and speaks the
// environment's language as the program does, and checks the screen. Returns what is wrong,
// empty when nothing is.
inline QString prepareWindowTests() {
    resources::DescribeApplication();
    resources::InstallTranslations(*qApp, QLocale::system().uiLanguages());
    return unexpectedPixelRatio();
}

} // namespace quatrelle::testing
