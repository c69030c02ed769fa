#pragma once

class QWidget;

namespace form {

struct Controls;

// Lays the window out for the screen and the zoom factor: the window's size,
// every laid-out control of the table in the layout's order, Picture1's user
// coordinates (set right after its resize, so they span the new drawing
// area), an empty picture, and the option buttons' tops at 1.0 and 1.1
// picture units. Running the analysis afterwards is the caller's last step.
void applyLayout(QWidget &window, const Controls &controls, double zoomFactor);

} // namespace form
