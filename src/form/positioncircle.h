#pragma once

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

struct CircleControls {
    platform::TextBox &txtN;
    platform::TextBox &txtk;
    platform::TextBox &txtKopf;
    platform::TextBox &txtSchub;
    platform::ScrollBar &HScroll1;
    platform::ScrollBar &HScroll2;
    platform::PictureBox &Picture1;
};

// Answers the two scroll bars and keeps the ring and the header rows.
class PositionCircle
{
public:
    PositionCircle(const CircleControls &controls, Selection &selection);

    // The header rows for the selected N.
    void fillHeaderRows();

    // Change and Scroll run the same steps.
    void HScroll1_Change();
    void HScroll2_Change();

    // The start-up step: txtN shows the N scroll bar's value.
    void showStartValue();

private:
    CircleControls m_controls;
    Selection &m_selection;
};

} // namespace form
