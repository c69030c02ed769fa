#pragma once

class QWidget;

namespace form {

// Lays the window out for the screen and the zoom factor: the window's size,
// every control of the layout table, Picture1's user coordinates (set right
// after its resize, so they span the new drawing area), an empty picture,
// and the option buttons' tops at 1.0 and 1.1 picture units. The controls are
// found by their object names. Running the analysis afterwards is the
// caller's last step.
void applyLayout(QWidget &window, double zoomFactor);

} // namespace form
