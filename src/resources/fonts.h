// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layouts.h"

#include <QFont>

namespace quatrelle::resources {

// The stored font where it is installed, otherwise DejaVu Sans, which every Debian desktop
// has (fontconfig depends on it): one replacement for all buttons and labels.
QFont FontFor(const FontLayout& stored);

} // namespace quatrelle::resources
