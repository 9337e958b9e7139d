// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1.h"

namespace quatrelle::main_window {

// Shows the main window, with the note that shows the way to the computer at the very first
// start. What its first sight does not need, the window icon with its theme lookup and handing
// start-up's freed memory back to the system, waits for its first paint.
void ShowMainWindow(Form1& form);

} // namespace quatrelle::main_window
