#include "analysis/analysis.h"

#include "analysis/input.h"
#include "circle/numbertext.h"
#include "circle/positioncircle.h"
#include "numbers/spread.h"
#include "platform/messagebox.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

#include <QAbstractButton>

namespace analysis {

using circle::column3;
using circle::numberText;

static const QString lineBreak = QStringLiteral("\r\n");

Analysis::Analysis(const Controls &controls, circle::PositionCircle &circle)
    : m_controls(controls), m_circle(circle)
{
}

bool Analysis::Command2_Click()
{
    m_controls.txtAbs.setText({});
    readAnalysisInput();
    return runOccupation();
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

Mode Analysis::mode() const
{
    // Speiche is asked first; the two exclude each other.
    if (m_controls.Option2.isChecked())
        return Mode::Spokes;
    return m_controls.Option1.isChecked() ? Mode::Star : Mode::None;
}

bool Analysis::runOccupation()
{
    Controls &c = m_controls;
    const int n = m_circle.N;
    const int k = m_circle.k;
    const double angleStep = m_circle.angleStep;

    platform::Canvas &picture = c.Picture1.canvas();
    drawAnalysisRing(picture, n, angleStep);
    // Position 0 is occupied as step 1; it has no neighbour yet and counts
    // with the distance N. After a completed analysis this starts a new row
    // of minimal distances; after a stopped one it continues the unfinished
    // row.
    numbers::Occupation steps{numbers::u64(n), numbers::u64(k)};
    c.txtFolge.setText({});
    c.txtFolge.append(column3(1) + u' ');
    c.txtAbstand.append(column3(n));
    markFirstPosition(picture, mode());

    int gapSum = 0;
    for (int i = 1; i < n; ++i) {
        if (c.Check1.isChecked() && !confirmStep(&c.window, i))
            return false;
        steps.advance();
        const int position = int(steps.position());
        const int minimal = int(steps.minimal());
        gapSum += minimal;
        c.txtFolge.append(column3(position + 1) + u' ');
        c.txtAbs.append(numberText(double(steps.backward())) + u'-'
                        + numberText(double(steps.forward())) + lineBreak);
        c.txtAbstand.append(column3(minimal));
        markStep(picture, mode(), i, position, k, n, angleStep);
    }

    c.txtAbstand.append(lineBreak);
    c.txtSumme.append(numberText(k) + u':' + numberText(gapSum) + lineBreak);
    QString permutationLine;
    permutationLine.reserve(3 * n);
    for (numbers::u64 step : numbers::stepsByPosition(numbers::u64(n), numbers::u64(k)))
        permutationLine += column3(double(step));
    c.txtAusgabe.append(permutationLine + lineBreak);
    return true;
}

} // namespace analysis
