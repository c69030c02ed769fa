#pragma once

class QWidget;

namespace platform {

// Before a top-level window is first shown, asks the window manager which
// frame it will draw around it (_NET_REQUEST_FRAME_EXTENTS), so the first
// layout can fit the window, frame and all, onto the screen with no jump.
// Where no X11 window manager answers (offscreen, Wayland, no window
// manager at all) the frame stays unknown until the window is shown, as
// before. Creates the window's native window, still unmapped.
void learnFrameBeforeShow(QWidget &window);

// The dynamic property, a QMargins, that holds what was learned.
inline constexpr char learnedFrameProperty[] = "zyklarLearnedFrame";

} // namespace platform
