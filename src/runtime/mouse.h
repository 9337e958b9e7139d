#pragma once

#include <QMouseEvent>
#include <cstdint>

namespace quatrelle::runtime {

// The mouse state that handlers receive: button and shift codes as bit sets (left 1, right 2,
// middle 4; shift 1, control 2, alt 4) and the position in twips within the control.
struct MouseState {
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 0;
    float y = 0;
};

std::int16_t ButtonCode(Qt::MouseButtons buttons);
std::int16_t ShiftCode(Qt::KeyboardModifiers modifiers);
// For a press or release, the button that changed; for a move, the buttons held.
MouseState MouseStateOf(const QMouseEvent& event);

} // namespace quatrelle::runtime
