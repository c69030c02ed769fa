#pragma once

#include "numbers/spread.h"

#include <QString>

#include <string>
#include <vector>

// What an analysis of N and k shows as text: the five result boxes of the
// window, which `zyklar analyse` writes under the same captions, and the
// steps as machine-readable rows. The window and the command line both take
// them from here.
namespace analysis {

// The captions of the five result boxes, as the window labels them and the
// command line heads them; translated where they are shown, in the
// window's context (Form1).
namespace caption {
inline constexpr char sequence[] = QT_TRANSLATE_NOOP("Form1", "Die Folge");
inline constexpr char gaps[]
        = QT_TRANSLATE_NOOP("Form1", "getrennt nach rechtem und linkem Nachbarn");
inline constexpr char minimal[] = QT_TRANSLATE_NOOP("Form1", "Folge der Minimalabstände");
inline constexpr char sums[] = QT_TRANSLATE_NOOP("Form1", "  k:  Summe");
inline constexpr char permutation[]
        = QT_TRANSLATE_NOOP("Form1", "Reihenfolge der Felderbelegung / Permutation");
// One of them in the current language.
QString text(const char *caption);
} // namespace caption

// Up to 999 positions the window's three-character columns; beyond, columns
// wide enough for N with its blank, so no digit is cut.
int columnWidth(numbers::u64 n);

// The pieces of the five texts step by step, for the window that appends
// each step's pieces as it takes the step, and may be stopped after any:
//   the order     "  1 " then "  8 " …           (occupied positions, 1-based)
//   the gaps      " 8- 13" and a line break …     (both distances of a step)
//   the minima    " 21" then "  8" …, a line break after the last step
//   the sum       " 8: 53" and a line break
//   the permutation, the step at which each position was occupied, and a
//   line break.
// Position 0 is occupied as step 1; it has no neighbour yet and counts with
// the distance N.
class AnalysisTexts
{
public:
    AnalysisTexts(numbers::u64 n, numbers::u64 k, int width, const QString &lineBreak);

    QString firstSequence() const;
    QString firstMinimal() const;

    // Occupies the next position, whose pieces follow.
    void advance();
    const numbers::Occupation &steps() const { return m_steps; }
    QString sequence() const;
    QString gaps() const;
    QString minimal() const;

    // After step N − 1.
    QString endOfMinimal() const { return m_lineBreak; }
    QString sumLine() const;
    QString permutation() const;

private:
    int m_width;
    QString m_lineBreak;
    numbers::u64 m_k;
    numbers::Occupation m_steps;
    numbers::u64 m_sum = 0;
};

// The five texts of a whole analysis, as its boxes hold it at the end.
struct Texts {
    QString sequence, gaps, minimal, sums, permutation;
};
Texts analysisTexts(numbers::u64 n, numbers::u64 k, int width, const QString &lineBreak);

// The steps of one analysis as rows, one per step i = 1 … N − 1, under the
// keys schritt, position (1-based), rueckwaerts, vorwaerts, minimum,
// gleichverteilt (⌊N/(i + 1)⌋).
const std::vector<std::string> &stepKeys();
std::vector<std::string> stepValues(const numbers::Occupation &steps);
// All of them as CSV with a header row.
std::string stepsCsv(numbers::u64 n, numbers::u64 k);

} // namespace analysis
