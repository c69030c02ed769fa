#pragma once

#include <QSizeF>

#include <optional>

namespace platform {

// The size of the primary screen in twips, 15 per device-independent pixel.
QSizeF screenSizeTwips();

// Tests lay the window out for a screen of their choosing; std::nullopt
// returns to the real screen.
void setScreenSizeTwips(std::optional<QSizeF> size);

} // namespace platform
