#include "analysis/starsandspokes.h"

#include "analysis/ring.h"
#include "analysis/numbertext.h"
#include "drawing/canvas.h"
#include "numbers/spread.h"

namespace analysis {

namespace {


void circleAt(drawing::Canvas &picture, double radius, double angle, double dotRadius,
              const QColor &colour)
{
    const QPointF at = pointAt(radius, angle);
    picture.circle(at.x(), at.y(), dotRadius, colour);
}

void lineBetween(drawing::Canvas &picture, QPointF from, QPointF to)
{
    picture.line(from.x(), from.y(), to.x(), to.y());
}

// A text's top left corner sits a little left of and above its point, so a
// short number stands roughly centred on it.
void printAt(drawing::Canvas &picture, double radius, double angle, const QColor &colour,
             const QString &text)
{
    const QPointF at = pointAt(radius, angle);
    picture.setCurrentX(at.x() - 0.051);
    picture.setCurrentY(at.y() - 0.03);
    picture.setForeColor(colour);
    picture.print(text);
}

// A number prints with a blank for its sign before the digits and one after.
QString printedNumber(int value)
{
    return numberText(value) + u' ';
}

} // namespace

void drawPositionRing(drawing::Canvas &picture, int count, double angleStep)
{
    for (int i = 0; i < count; ++i) {
        const QPointF at = positionPoint(i, angleStep);
        picture.circle(at.x(), at.y(), dotRadius, dotColour);
    }
}

QColor stepColour(int i, int n)
{
    const int c = int(roundHalfEven(100 + 155.0 * i / n));
    return {55, c, c};
}

void drawAnalysisRing(drawing::Canvas &picture, int n, double angleStep)
{
    for (int i = 0; i < n; ++i) {
        const double angle = i * angleStep;
        circleAt(picture, ringRadius, angle, dotRadius, ringDotColour);
        printAt(picture, positionNumberRadius, angle, positionNumberColour, printedNumber(i + 1));
    }
}

void markFirstPosition(drawing::Canvas &picture, Mode mode)
{
    // Position 0, straight below the centre; in star mode it gets no line
    // until the last step closes the star there.
    circleAt(picture, ringRadius, 0, occupiedDotRadius, occupiedColour);
    picture.setForeColor(firstSpokeColour);
    if (mode == Mode::Spokes)
        lineBetween(picture, pointAt(spokeInner, 0), pointAt(spokeOuter, 0));
    printAt(picture, stepNumberRadius, 0, stepNumberColour, printedNumber(1));
}

void markStep(drawing::Canvas &picture, Mode mode, int i, int position, int k, int n,
              double angleStep)
{
    const double angle = position * angleStep;
    circleAt(picture, ringRadius, angle, occupiedDotRadius, occupiedColour);
    if (mode == Mode::Spokes) {
        picture.setForeColor(stepColour(i, n));
        lineBetween(picture, pointAt(spokeInner, angle), pointAt(spokeOuter, angle));
    }
    if (mode == Mode::Star) {
        picture.setForeColor(stepColour(i, n));
        // The previous position, counted backwards from 0 when it lies below
        // k (the remainder keeps the sign of position − k).
        const int previous = (position - k) % n;
        const QPointF here = pointAt(chordRadius, angle);
        lineBetween(picture, here, pointAt(chordRadius, previous * angleStep));
        if (i == n - 1) // the last step closes the star at position 0
            lineBetween(picture, here, pointAt(chordRadius, 0));
    }
    printAt(picture, stepNumberRadius, angle, stepNumberColour, printedNumber(i + 1));
    // The position number again, over the ring's.
    printAt(picture, positionNumberRadius, angle, positionNumberColour, numberText(position + 1));
}

void drawAnalysis(drawing::Canvas &picture, int n, int k, Mode mode)
{
    const double angleStep = angleStepFor(n);
    picture.cls();
    drawAnalysisRing(picture, n, angleStep);
    markFirstPosition(picture, mode);
    numbers::Occupation steps{numbers::u64(n), numbers::u64(k)};
    for (int i = 1; i < n; ++i) {
        steps.advance();
        markStep(picture, mode, i, int(steps.position()), k, n, angleStep);
    }
}

} // namespace analysis
