#pragma once

#include <QRect>

namespace platform {

// Where a window that works beside the main one opens, in screen
// coordinates, frames included: within the screen's available area and no
// larger than it; beside the main window where there is room; otherwise at
// the area's right edge, moved below or beside `keepClear` (the main
// window's input) wherever it would cover it, and shortened to fit.
QRect placeBeside(const QRect &available, const QRect &mainFrame, const QRect &keepClear,
                  QSize wanted);

} // namespace platform
