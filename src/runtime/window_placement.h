#pragma once

class QWidget;

namespace quatrelle::runtime {

// Places a top-level window in the middle of the primary screen's available area.
void CentreOnScreen(QWidget& window);

} // namespace quatrelle::runtime
