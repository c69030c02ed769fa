#pragma once

#include <QWidget>

#include <vector>

class QPainter;
namespace drawing {
class PlotAxes;
}

// The minimal distance of each step of one multiplier against the
// equidistant row ⌊N/(i + 1)⌋, the most any step with i + 1 points can
// reach: where the two curves part, the multiplier loses its rank. The
// distances run from about N/2 down to 1, so their scale is logarithmic and
// equal gaps between the curves are equal ratios; so is the scale of the
// steps, which gives the first steps their room.
class StepPlot : public QWidget
{
    Q_OBJECT
public:
    explicit StepPlot(QWidget *parent = nullptr);

    // k = 0 shows nothing.
    void setSeries(int n, int k);
    int n() const { return m_n; }
    int k() const { return m_k; }
    // Entry i − 1 belongs to step i = 1 … N − 1.
    const std::vector<int> &minimal() const { return m_minimal; }
    const std::vector<int> &equidistant() const { return m_equidistant; }

    QSize sizeHint() const override { return {560, 220}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawLegend(QPainter &p, const drawing::PlotAxes &axes) const;

    int m_n = 0;
    int m_k = 0;
    std::vector<int> m_minimal;
    std::vector<int> m_equidistant;
};
