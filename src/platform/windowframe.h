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

// Shows `window` kept above `owner` by the window manager, as a dialog is
// kept above its parent, while staying a window of its own (its own
// frame, maximising, full screen). Qt tells an X11 window manager which
// window a window belongs to (WM_TRANSIENT_FOR) only for dialogs, tool
// windows and popups, and takes the hint away from any other window each
// time it shows it; so it is written here, after every show. Elsewhere it
// only shows the window.
void showOwnedBy(QWidget &window, const QWidget &owner);

// The dynamic property, a QMargins, that holds what was learned.
inline constexpr char learnedFrameProperty[] = "zyklarLearnedFrame";

} // namespace platform
