// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "show_main_window.h"

#include "board_note.h"
#include "menu_hint.h"
#include "resources/application.h"
#include "resources/settings.h"
#include "runtime/first_paint.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <chrono>

namespace quatrelle::main_window {

namespace {

// Start-up decodes the pictures and reads the fonts and the icon theme, and frees most of what
// it read; the C library keeps freed pages from the system until asked to return them.
void returnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace

void ShowMainWindow(Form1& form) {
    // The very first start shows the way to the menu and the game against the computer, which
    // nothing on the window at rest names, and a screen reader hears it once, once the window
    // has been read.
    if (resources::IsFirstStart()) {
        auto* note = new BoardNote(form);
        note->setObjectName(QStringLiteral("firstStartNote"));
        runtime::WhenFirstActive(form, std::chrono::seconds(1),
                                 [note] { note->say(MenuHint::text(), true); });
        resources::RememberFirstStart();
    }
    form.show();
    runtime::AfterFirstPaint(form, [] {
        resources::SetApplicationIcon();
        returnFreedMemory();
    });
}

} // namespace quatrelle::main_window
