#pragma once

#include "numbers/threegaps.h"

#include <QColor>
#include <QWidget>

#include <vector>

class QPainter;

namespace drawing {
struct Drawing;
}

// The colours of the gap lengths: the shortest, a middle one where there
// is one, the longest. Blue, orange and black stay apart for every kind of
// colour blindness and, as light, middle and dark, in greyscale print.
namespace gapcolours {
inline constexpr QColor shortest{0, 114, 178};
inline constexpr QColor middle{230, 159, 0};
inline constexpr QColor longest{0, 0, 0};

// The colour of a gap of `length` among the lengths of one step.
QColor of(const numbers::Gaps &gaps, numbers::u64 length);
} // namespace gapcolours

// One arc of the circle: from an occupied position to the next one
// forwards, `length` positions on.
struct GapArc {
    int from;
    int length;
    QColor colour;
};

// The arcs between neighbouring occupied positions after step i of the
// occupation of n positions by k: i + 1 arcs, round the circle from 0.
std::vector<GapArc> gapArcs(int n, int k, int step);

// The circle of N positions at one step of the occupation: the positions,
// the occupied ones as dots, every arc between neighbouring occupied
// positions coloured by its length, and the newest position ringed.
class GapCircle : public QWidget
{
    Q_OBJECT
public:
    explicit GapCircle(QWidget *parent = nullptr);

    void setPicture(int n, int k, int step);
    int n() const { return m_n; }
    int k() const { return m_k; }
    int step() const { return m_step; }

    // The picture at the widget's size, for a saved file.
    drawing::Drawing drawing() const;

    QSize sizeHint() const override { return {420, 420}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paint(QPainter &painter, QSizeF size) const;

    int m_n = 0, m_k = 0, m_step = 0;
};
