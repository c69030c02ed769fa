#pragma once

#include "analysis/drawing.h"

#include <QString>

class QAbstractButton;
class QWidget;

namespace circle {
class PositionCircle;
}
namespace platform {
class PictureBox;
class ScrollBar;
class TextBox;
} // namespace platform

namespace analysis {

// The captions of the five result boxes, as the window labels them and the
// command line heads them.
namespace caption {
inline constexpr char sequence[] = "Die Folge";
inline constexpr char gaps[] = "getrennt nach rechtem und linkem Nachbarn";
inline constexpr char minimal[] = "Folge der Minimalabstände";
inline constexpr char sums[] = "  k:  Summe";
inline constexpr char permutation[] = "Reihenfolge der Felderbelegung / Permutation";
} // namespace caption

struct Controls {
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
// positions of the circle one after another and shows what it found.
class Analysis
{
public:
    Analysis(const Controls &controls, circle::PositionCircle &circle);

    // Returns false when the user stopped a single-step analysis.
    bool Command2_Click();

    // The first phase: read, clamp and reduce N and k, write them back into
    // the boxes and the scroll bars (whose Change handlers run when they
    // move), rebuild the header rows and the angle step.
    void readAnalysisInput();

    // The second phase: occupy the positions step by step, fill the five
    // result boxes and draw. Returns false when the user stopped a single-step
    // analysis.
    bool runOccupation();

private:
    Mode mode() const;

    Controls m_controls;
    circle::PositionCircle &m_circle;
};

} // namespace analysis
