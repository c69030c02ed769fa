#include "form/analysecommand.h"
#include "language/language.h"

#include "analysis/starsandspokes.h"
#include "analysis/ring.h"
#include "analysis/input.h"
#include "analysis/numbertext.h"
#include "analysis/texts.h"
#include "platform/messagebox.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

#include <QCheckBox>
#include <QRadioButton>

namespace form {

using analysis::numberText;

static const QString lineBreak = QStringLiteral("\r\n");

AnalyseCommand::AnalyseCommand(QWidget &window, const Controls &controls, PositionCircle &circle,
                   form::Selection &selection)
    : m_window(window), m_controls(controls), m_circle(circle), m_selection(selection)
{
}

bool AnalyseCommand::Command2_Click()
{
    m_controls.txtAbs->setText({});
    readAnalysisInput();
    return runOccupation();
}

bool AnalyseCommand::analyse(double n, double k)
{
    m_controls.txtAbs->setText({});
    takeInput(n, k);
    return runOccupation();
}

void AnalyseCommand::readAnalysisInput()
{
    takeInput(analysis::readNumber(m_controls.txtN->text()), analysis::readNumber(m_controls.txtk->text()));
}

void AnalyseCommand::takeInput(double nRead, double kRead)
{
    const Controls &c = m_controls;
    const analysis::ReducedInput input = analysis::reduceInput(nRead, kRead);

    // The clamped values show while the divisor message is open.
    c.txtN->setText(numberText(input.clampedN));
    c.txtk->setText(numberText(input.clampedK));
    if (input.divisor != 1) {
        // OK only, no icon, and the program's title.
        platform::messageBox(&m_window, {analysis::divisorMessage(numbers::Wide(input.divisor)),
                                         QString(), platform::Message::Buttons::Ok,
                                         platform::Message::Icon::None});
    }

    // A scroll bar that has to move runs its Change handler inside the
    // assignment and rewrites its box as plain digits; one that already
    // stands at the value leaves the blank-led text.
    m_selection.n = input.n;
    c.txtN->setText(numberText(input.n));
    c.HScroll1->setValue(input.n);
    m_selection.k = input.k;
    c.txtk->setText(numberText(input.k));
    c.HScroll2->setValue(input.k);

    m_circle.fillHeaderRows();
    m_selection.angleStep = analysis::angleStepFor(m_selection.n);
}

bool AnalyseCommand::runOccupation()
{
    const Controls &c = m_controls;
    const int n = m_selection.n;
    const int k = m_selection.k;
    const double angleStep = m_selection.angleStep;
    // Speiche is asked first; the two exclude each other.
    const auto mode = [&c] {
        if (c.Option2->isChecked())
            return analysis::Mode::Spokes;
        return c.Option1->isChecked() ? analysis::Mode::Star : analysis::Mode::None;
    };

    drawing::Canvas &picture = c.Picture1->canvas();
    analysis::drawAnalysisRing(picture, n, angleStep);
    // After a completed analysis this starts a new row of minimal distances;
    // after a stopped one it continues the unfinished row.
    analysis::AnalysisTexts texts(numbers::u64(n), numbers::u64(k), 3, lineBreak);
    c.txtFolge->setText({});
    c.txtFolge->append(texts.firstSequence());
    c.txtAbstand->append(texts.firstMinimal());
    analysis::markFirstPosition(picture, mode());

    for (int i = 1; i < n; ++i) {
        if (c.Check1->isChecked() && !confirmStep(&m_window, i))
            return false;
        texts.advance();
        c.txtFolge->append(texts.sequence());
        c.txtAbs->append(texts.gaps());
        c.txtAbstand->append(texts.minimal());
        analysis::markStep(picture, mode(), i, int(texts.steps().position()), k, n, angleStep);
    }

    c.txtAbstand->append(texts.endOfMinimal());
    c.txtSumme->append(texts.sumLine());
    c.txtAusgabe->append(texts.permutation());
    return true;
}

bool confirmStep(QWidget *window, int i)
{
    //: %1 is the step number with a blank before it, as the window writes numbers.
    const QString question = language::translate("form", "%1. Schritt, weiter?");
    const platform::Answer answer = platform::messageBox(
            window, {question.arg(numberText(i)), language::translate("Form1", "Einzelschritt"),
                     platform::Message::Buttons::YesNo, platform::Message::Icon::None});
    return answer != platform::Answer::No;
}

} // namespace form
