#pragma once

#include <QWidget>
#include <functional>

namespace quatrelle::runtime {

// Calls the task once, after the window has painted itself for the first time and that
// picture has gone to the screen: work that the first sight of the window does not need
// waits until then.
void AfterFirstPaint(QWidget& window, std::function<void()> task);

} // namespace quatrelle::runtime
