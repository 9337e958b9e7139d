#pragma once

class QWidget;

namespace quatrelle::runtime {

// Shows a top-level window to assistive technology as a window named by its title, with its
// description, and with only the controls a user can see: hidden controls that merely hold
// pictures are left out.
void ExposeAsWindow(QWidget& window);

} // namespace quatrelle::runtime
