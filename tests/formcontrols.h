#pragma once

#include "form/controls.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

// Form1's controls as every outside test finds them, through the window's
// own table: ui::of(*form).txtN->setText("21"). A missing control ends the
// program.
namespace ui {

inline form::Controls of(const QWidget &window)
{
    return form::controlsOf(window);
}

} // namespace ui
