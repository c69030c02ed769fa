#pragma once

#include "form/positioncircle.h"

class QAbstractButton;
class QWidget;

namespace platform {
class PictureBox;
class ScrollBar;
class TextBox;
} // namespace platform

namespace form {

struct AnalyseControls {
    QWidget &window; // parent of the message boxes
    platform::TextBox &txtN;
    platform::TextBox &txtk;
    platform::TextBox &txtAbs;
    platform::TextBox &txtFolge;
    platform::TextBox &txtAbstand;
    platform::TextBox &txtSumme;
    platform::TextBox &txtAusgabe;
    platform::ScrollBar &HScroll1;
    platform::ScrollBar &HScroll2;
    platform::PictureBox &Picture1;
    QAbstractButton &Option1; // "Stern"
    QAbstractButton &Option2; // "Speiche"
    QAbstractButton &Check1;  // "Einzelschritt"
};

// The "Analyse" command: reads N and the multiplier, then occupies the
// positions of the circle one after another and shows what it found. The
// texts and the picture come from the analysis core; this class moves them
// into the controls in the order the window shows them.
class Analysis
{
public:
    Analysis(const AnalyseControls &controls, form::PositionCircle &circle,
             form::Selection &selection);

    // Returns false when the user stopped a single-step analysis.
    bool Command2_Click();
    // The analysis of a pair chosen elsewhere, as "Analyse" runs it with
    // these values in the boxes.
    bool analyse(double n, double k);

    // The first phase: read, clamp and reduce N and k, write them back into
    // the boxes and the scroll bars (whose Change handlers run when they
    // move), rebuild the header rows and the angle step.
    void readAnalysisInput();

    // The second phase: occupy the positions step by step, fill the five
    // result boxes and draw. Returns false when the user stopped a single-step
    // analysis.
    bool runOccupation();

private:
    void takeInput(double nRead, double kRead);

    AnalyseControls m_controls;
    form::PositionCircle &m_circle;
    form::Selection &m_selection;
};

// Before step i of a single-step analysis: "Ja" goes on, "Nein" stops.
bool confirmStep(QWidget *window, int i);

} // namespace form
