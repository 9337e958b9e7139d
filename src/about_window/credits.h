// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

namespace quatrelle::about {

struct VersionInfo {
    int major;
    int minor;
    int revision;
    std::string_view comments;
    int year;
};

// The scrolling line of the about window, in the player's language: credits, version, the
// beta notice while the major version is 0, and the closing notice.
QString AboutText(const VersionInfo& version);

// The same from the program's own version information.
QString AboutText();

} // namespace quatrelle::about
