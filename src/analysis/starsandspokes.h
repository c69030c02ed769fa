#pragma once

#include <QColor>

namespace drawing {
class Canvas;
}

// How an analysis draws on Picture1: the ring of numbered positions, a yellow
// dot with its step number for every occupied position, and either a spoke
// from the centre or a chord of the star from the previous position, coloured
// by the step.
namespace analysis {

// Radii in user units (a circle's radius is measured along the x axis); the
// ring itself and its small dots are the position circle's.
inline constexpr double occupiedDotRadius = 0.03;
inline constexpr double spokeInner = 0.1;
inline constexpr double spokeOuter = 0.67;
inline constexpr double chordRadius = 0.75;
inline constexpr double stepNumberRadius = 1.0;
inline constexpr double positionNumberRadius = 1.15;

inline constexpr QColor ringDotColour{131, 131, 191};
inline constexpr QColor positionNumberColour{155, 155, 155};
inline constexpr QColor occupiedColour{255, 255, 0};
inline constexpr QColor firstSpokeColour{255, 0, 0};
inline constexpr QColor stepNumberColour{255, 255, 255};

// The colour of step i's spoke or chord: (55, c, c) with c growing from just
// above 100 at the first step towards 255, c = 100 + 155·i/n rounded half to
// even.
QColor stepColour(int i, int n);

enum class Mode { None, Star, Spokes };

// The bare ring of the position circle: a small dot for each of the first
// `count` positions.
void drawPositionRing(drawing::Canvas &picture, int count, double angleStep);

void drawAnalysisRing(drawing::Canvas &picture, int n, double angleStep);
void markFirstPosition(drawing::Canvas &picture, Mode mode);
void markStep(drawing::Canvas &picture, Mode mode, int i, int position, int k, int n,
              double angleStep);

// The whole picture of one analysis of n and k (coprime), as the window
// shows it after a layout: cleared, the ring, every step.
void drawAnalysis(drawing::Canvas &picture, int n, int k, Mode mode);

} // namespace analysis
