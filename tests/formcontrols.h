#pragma once

#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <cstdlib>

// Form1's controls, found by their object names as every outside test finds
// them: ui::txtN(*form)->setText("21"). A missing control ends the program.
namespace ui {

template <typename T>
T *control(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found) {
        std::fprintf(stderr, "no control %s\n", name);
        std::abort();
    }
    return found;
}

// clang-format off
inline platform::TextBox *txtSchub2(const QWidget &w) { return control<platform::TextBox>(w, "txtSchub2"); }
inline platform::TextBox *txtSumme(const QWidget &w) { return control<platform::TextBox>(w, "txtSumme"); }
inline platform::TextBox *txtSchub(const QWidget &w) { return control<platform::TextBox>(w, "txtSchub"); }
inline platform::TextBox *txtKopf(const QWidget &w) { return control<platform::TextBox>(w, "txtKopf"); }
inline platform::TextBox *txtAbs(const QWidget &w) { return control<platform::TextBox>(w, "txtAbs"); }
inline platform::TextBox *txtAbstand(const QWidget &w) { return control<platform::TextBox>(w, "txtAbstand"); }
inline platform::TextBox *txtFolge(const QWidget &w) { return control<platform::TextBox>(w, "txtFolge"); }
inline platform::TextBox *txtAusgabe(const QWidget &w) { return control<platform::TextBox>(w, "txtAusgabe"); }
inline platform::TextBox *txtk(const QWidget &w) { return control<platform::TextBox>(w, "txtk"); }
inline platform::TextBox *txtN(const QWidget &w) { return control<platform::TextBox>(w, "txtN"); }
inline QPushButton *Command1(const QWidget &w) { return control<QPushButton>(w, "Command1"); }
inline QPushButton *Command2(const QWidget &w) { return control<QPushButton>(w, "Command2"); }
inline QPushButton *Command3(const QWidget &w) { return control<QPushButton>(w, "Command3"); }
inline QPushButton *Command4(const QWidget &w) { return control<QPushButton>(w, "Command4"); }
inline platform::PictureBox *Picture1(const QWidget &w) { return control<platform::PictureBox>(w, "Picture1"); }
inline QRadioButton *Option1(const QWidget &w) { return control<QRadioButton>(w, "Option1"); }
inline QRadioButton *Option2(const QWidget &w) { return control<QRadioButton>(w, "Option2"); }
inline QGroupBox *Frame1(const QWidget &w) { return control<QGroupBox>(w, "Frame1"); }
inline platform::ScrollBar *HScroll1(const QWidget &w) { return control<platform::ScrollBar>(w, "HScroll1"); }
inline platform::ScrollBar *HScroll2(const QWidget &w) { return control<platform::ScrollBar>(w, "HScroll2"); }
inline QCheckBox *Check1(const QWidget &w) { return control<QCheckBox>(w, "Check1"); }
inline QLabel *Label1(const QWidget &w) { return control<QLabel>(w, "Label1"); }
inline QLabel *Label2(const QWidget &w) { return control<QLabel>(w, "Label2"); }
inline QLabel *Label3(const QWidget &w) { return control<QLabel>(w, "Label3"); }
inline QLabel *Label6(const QWidget &w) { return control<QLabel>(w, "Label6"); }
inline QLabel *Label7(const QWidget &w) { return control<QLabel>(w, "Label7"); }
inline QLabel *Label8(const QWidget &w) { return control<QLabel>(w, "Label8"); }
inline QLabel *Label9(const QWidget &w) { return control<QLabel>(w, "Label9"); }
// clang-format on

} // namespace ui
