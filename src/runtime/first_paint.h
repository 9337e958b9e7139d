// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <chrono>
#include <functional>

namespace quatrelle::runtime {

// Calls the task once, after the window has painted itself for the first time and that
// picture has gone to the screen: work that the first sight of the window does not need
// waits until then.
void AfterFirstPaint(QWidget& window, std::function<void()> task);

// Calls the task once, when the window is first active, which is when a screen reader first
// reads it; or after the given time where nothing activates it (a bare X server).
void WhenFirstActive(QWidget& window, std::chrono::milliseconds atTheLatest,
                     std::function<void()> task);

} // namespace quatrelle::runtime
