#pragma once

#include "form/positioncircle.h"

class QWidget;

namespace form {

// The "Analyse" command: reads N and the multiplier, then occupies the
// positions of the circle one after another and shows what it found. The
// texts and the picture come from the analysis layer; this class moves them
// into the controls in the order the window shows them.
class AnalyseCommand
{
public:
    AnalyseCommand(QWidget &window, const Controls &controls, PositionCircle &circle,
                   Selection &selection);

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

    QWidget &m_window; // parent of the message boxes
    Controls m_controls;
    form::PositionCircle &m_circle;
    form::Selection &m_selection;
};

// Before step i of a single-step analysis: "Ja" goes on, "Nein" stops.
bool confirmStep(QWidget *window, int i);

} // namespace form
