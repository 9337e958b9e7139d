// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QWidget;

namespace quatrelle::runtime {

// Shows a top-level window to assistive technology as a window named by its title, with its
// description, and with only the controls a user can see: hidden controls that merely hold
// pictures are left out. A screen reader reads out the text of a dialog when it opens.
void ExposeAsWindow(QWidget& window, QAccessible::Role role = QAccessible::Window);

} // namespace quatrelle::runtime
