#include "mouse.h"

#include "twips.h"

namespace quatrelle::runtime {

std::int16_t ButtonCode(Qt::MouseButtons buttons) {
    std::int16_t code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

std::int16_t ShiftCode(Qt::KeyboardModifiers modifiers) {
    std::int16_t code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

MouseState MouseStateOf(const QMouseEvent& event) {
    const Qt::MouseButtons buttons =
        event.type() == QEvent::MouseMove ? event.buttons() : event.button();
    return {ButtonCode(buttons), ShiftCode(event.modifiers()), PixelsToTwipsX(event.position().x()),
            PixelsToTwipsY(event.position().y())};
}

} // namespace quatrelle::runtime
