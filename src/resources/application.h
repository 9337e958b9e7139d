// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quatrelle::resources {

// Names the application after the program's version information: message boxes take their
// title from it, desktops their menu entry.
void DescribeApplication();

// Gives the windows the program's icon: the desktop icon theme's where the theme has one,
// otherwise the embedded one. Reading the theme's index takes longer than the main window
// takes to come up, so the program calls this once the window is on screen.
void SetApplicationIcon();

} // namespace quatrelle::resources
