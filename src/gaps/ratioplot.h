#pragma once

#include "numbers/threegaps.h"

#include <QPolygonF>
#include <QWidget>

#include <vector>

class QPainter;

// picVerhaeltnis: the ratio of the longest to the shortest gap over the
// steps 1 … N − 1, on a logarithmic scale from 1. Dashed lines at φ and
// φ² ≈ 2.618, where golden multipliers stay; a dotted mark, with its step,
// wherever a new shortest gap appears; and over each stretch between two
// marks the partial quotient that governs it: after a large one the ratio
// stays high for the whole stretch. Where evenly spaced steps would crowd
// the marks' labels, the steps run on a logarithmic scale, and every mark
// is labelled from step 1 on. The current step is marked, and a click
// chooses a step.
class RatioPlot : public QWidget
{
    Q_OBJECT
public:
    explicit RatioPlot(QWidget *parent = nullptr);

    // The rotation by k/N over its N − 1 steps, or by the golden angle
    // (numbers::goldenRotation) over points − 1 steps.
    void setSeries(numbers::u64 n, numbers::u64 k);
    void setGoldenSeries(int points);
    void setStep(int step);
    int step() const { return m_step; }
    // Entry i − 1 belongs to step i.
    const std::vector<double> &ratios() const { return m_ratios; }
    const std::vector<numbers::NewShortest> &marks() const { return m_marks; }
    const std::vector<numbers::QuotientStretch> &stretches() const { return m_stretches; }
    // The step under a place in the widget, clamped to 1 … N − 1.
    int stepAt(double x) const;
    // Whether the steps run across on a logarithmic scale: where evenly
    // spaced the labels of the marks would overprint.
    bool logarithmicSteps() const;
    // The quotients shown, in the order of their stretches: those that
    // found room.
    QList<numbers::Wide> shownQuotients() const;

    // The plot as it is shown, onto any painter (a saved picture's).
    void paintOn(QPainter &p) const;

    QSize sizeHint() const override { return {560, 220}; }

signals:
    void stepClicked(int step);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    struct Layout;
    Layout layout() const;
    void drawAxes(QPainter &p, const Layout &where) const;
    void drawNewShortest(QPainter &p, const Layout &where) const;
    void drawGoldenLines(QPainter &p, const Layout &where, const QPolygonF &stairs) const;
    void drawQuotients(QPainter &p, const Layout &where) const;

    void fill(numbers::u64 n, numbers::u64 k, int points);

    numbers::u64 m_n = 0, m_k = 0;
    int m_step = 0;
    bool m_golden = false;
    std::vector<double> m_ratios;
    std::vector<numbers::NewShortest> m_marks;
    std::vector<numbers::QuotientStretch> m_stretches;
};
