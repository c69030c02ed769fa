#pragma once

#include <memory>

class Form1;

// Creates Zyklar's window exactly as the program does: the application-wide
// settings first, then Form1 with its design properties, then Form_Load,
// which places and lays out the window and runs the first analysis. The
// window is not shown yet. Needs a QApplication.
std::unique_ptr<Form1> startZyklar();
