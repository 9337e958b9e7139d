#pragma once

#include <QGuiApplication>
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

} // namespace quatrelle::testing
