#include "analysis/analysis.h"

#include "analysis/input.h"
#include "circle/numbertext.h"
#include "circle/positioncircle.h"
#include "platform/messagebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

namespace analysis {

using circle::numberText;

Analysis::Analysis(const Controls &controls, circle::PositionCircle &circle)
    : m_controls(controls), m_circle(circle)
{
}

void Analysis::Command2_Click()
{
    m_controls.txtAbs.setText({});
    readAnalysisInput();
}

void Analysis::readAnalysisInput()
{
    Controls &c = m_controls;
    const ReducedInput input = reduceInput(readNumber(c.txtN.text()), readNumber(c.txtk.text()));

    // The clamped values show while the divisor message is open.
    c.txtN.setText(numberText(input.clampedN));
    c.txtk.setText(numberText(input.clampedK));
    if (input.divisor != 1) {
        // OK only, no icon, and the program's title.
        platform::messageBox(&c.window,
                             {QStringLiteral("Der gemeinsame Teiler") + numberText(input.divisor)
                                      + QStringLiteral(" wird herausgekürzt"),
                              QString(), platform::Message::Buttons::Ok,
                              platform::Message::Icon::None});
    }

    // A scroll bar that has to move runs its Change handler inside the
    // assignment and rewrites its box as plain digits; one that already
    // stands at the value leaves the blank-led text.
    m_circle.N = input.n;
    c.txtN.setText(numberText(input.n));
    c.HScroll1.setValue(input.n);
    m_circle.k = input.k;
    c.txtk.setText(numberText(input.k));
    c.HScroll2.setValue(input.k);

    m_circle.fillHeaderRows();
    m_circle.angleStep = circle::angleStepFor(m_circle.N);
}

} // namespace analysis
