#pragma once

#include "form/controls.h"

namespace platform {
class PictureBox;
class ScrollBar;
class TextBox;
} // namespace platform

// The position circle of the window: the ring of N positions in Picture1,
// the two header rows that go with the rows of minimal distances, and the
// two scroll bars that set N and k.
namespace form {

// The window-level N, k and angle step, owned by the window and written by
// the scroll bars and the analysis; 0 until first written.
struct Selection {
    int n = 0;
    int k = 0;
    double angleStep = 0;
};

// Answers the two scroll bars and keeps the ring and the header rows.
class PositionCircle
{
public:
    PositionCircle(const Controls &controls, Selection &selection);

    // The header rows for the selected N.
    void fillHeaderRows();

    // Change and Scroll run the same steps.
    void HScroll1_Change();
    void HScroll2_Change();

    // The start-up step: txtN shows the N scroll bar's value.
    void showStartValue();

private:
    Controls m_controls;
    Selection &m_selection;
};

} // namespace form
