// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "show_main_window.h"

#include "first_start_note.h"
#include "resources/application.h"
#include "resources/settings.h"
#include "runtime/first_paint.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

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
    if (resources::IsFirstStart()) {
        new FirstStartNote(form);
        resources::RememberFirstStart();
    }
    form.show();
    runtime::AfterFirstPaint(form, [] {
        resources::SetApplicationIcon();
        returnFreedMemory();
    });
}

} // namespace quatrelle::main_window
