#pragma once

#include "drawing/units.h"
#include "platform/textbox.h"

#include <QColor>
#include <QRectF>

#include <array>
#include <type_traits>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace platform {
class PictureBox;
class ScrollBar;
} // namespace platform

namespace form {

// Form1's 28 controls, typed. The controls are owned by their Qt parents.
struct Controls {
    platform::TextBox *txtSchub2, *txtSumme, *txtSchub, *txtKopf, *txtAbs, *txtAbstand,
            *txtFolge, *txtAusgabe, *txtk, *txtN;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    platform::PictureBox *Picture1;
    QRadioButton *Option1, *Option2;
    QGroupBox *Frame1;
    platform::ScrollBar *HScroll1, *HScroll2;
    QCheckBox *Check1;
    QLabel *Label1, *Label2, *Label3, *Label6, *Label7, *Label8, *Label9;

    // The first and last stop of the tab column.
    QWidget *firstStop, *lastStop;
};

// A control's kind, read from the type of its member.
enum class Kind { TextBox, Button, Picture, Option, Frame, ScrollBar, CheckBox, Label };

template <typename Widget>
constexpr Kind kindOf()
{
    if constexpr (std::is_same_v<Widget, platform::TextBox>) return Kind::TextBox;
    else if constexpr (std::is_same_v<Widget, QPushButton>) return Kind::Button;
    else if constexpr (std::is_same_v<Widget, platform::PictureBox>) return Kind::Picture;
    else if constexpr (std::is_same_v<Widget, QRadioButton>) return Kind::Option;
    else if constexpr (std::is_same_v<Widget, QGroupBox>) return Kind::Frame;
    else if constexpr (std::is_same_v<Widget, platform::ScrollBar>) return Kind::ScrollBar;
    else if constexpr (std::is_same_v<Widget, QCheckBox>) return Kind::CheckBox;
    else return Kind::Label;
}

// Where a row's control lives in Controls: its kind, and how to store and
// read its pointer there.
struct Slot {
    Kind kind;
    void (*store)(Controls &, QWidget *);
    QWidget *(*read)(const Controls &);
};

template <auto member>
constexpr Slot slot = [] {
    using Widget = std::remove_pointer_t<std::remove_cvref_t<decltype(Controls{}.*member)>>;
    return Slot{kindOf<Widget>(),
                [](Controls &c, QWidget *w) { c.*member = static_cast<Widget *>(w); },
                [](const Controls &c) -> QWidget * { return c.*member; }};
}();

enum class Container { Window, Frame1, Picture1 };

// The base geometry of ApplyLayout: twips of the 15360 x 11520 design area,
// which the layout stretches to the screen, and a font size in points (0:
// the control keeps its own font). `step` is the row's place in the order
// the layout sets the controls, 1 … 26; 0 for a control the layout leaves
// where the design puts it.
struct Layout {
    int step = 0;
    QRectF base;
    double fontSize = 0;
};

// One control of Form1. The design is the window as it is made, before
// Form_Load's first layout replaces the geometry and font size: twips
// relative to the container, in the smaller client area of 11070 x 9270 the
// window was drawn in. The layout is the base of every layout after it, in
// the larger design area of a full screen, where the columns widen and the
// picture moves up into the corner; so the two differ for every laid-out
// control.
struct Control {
    const char *name;
    Slot slot;
    Container container;
    const char *text; // translated; %1 and %2 name the captions of the minima and the gaps
    QRectF design;
    drawing::FontSpec font; // an empty family is the window's own font
    QColor background, foreground; // invalid: the toolkit's default
    platform::TextBox::Style textStyle;
    int tab; // focus order; -1 for labels and the frame
    struct {
        int min = 0, max = 0, value = 0; // scroll bars; value 1 selects an option button
    } range;
    Layout layout;
    // What a screen reader says where the caption does not say it (both
    // translated); labels, the frame and captioned buttons are read by
    // their captions.
    const char *spokenName = nullptr;
    const char *description = nullptr;
};

// Every control, front first within each container: a control covers a
// later one of the same container it overlaps.
extern const std::array<Control, 28> controlTable;

// The laid-out rows of the table in the order the layout sets them.
const std::array<const Control *, 26> &layoutOrder();

// Makes every control inside `client`, Form1's central widget.
Controls createControls(QWidget &client);

// The controls that createControls made inside `window`, found by their
// object names.
Controls controlsOf(const QWidget &window);

} // namespace form
