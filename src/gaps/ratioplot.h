#pragma once

#include "numbers/threegaps.h"

#include <QWidget>

#include <vector>

// picVerhaeltnis: the ratio of the longest to the shortest gap over the
// steps 1 … N − 1, on a logarithmic scale from 1. A dashed line at φ² ≈
// 2.618, where golden multipliers stay; a mark at every step where a new
// shortest gap appears, labelled with its partial quotient: after a large
// one the ratio stays high for a long stretch. The current step is marked.
class RatioPlot : public QWidget
{
    Q_OBJECT
public:
    explicit RatioPlot(QWidget *parent = nullptr);

    void setSeries(int n, int k);
    void setStep(int step);
    int step() const { return m_step; }
    // Entry i − 1 belongs to step i.
    const std::vector<double> &ratios() const { return m_ratios; }
    const std::vector<numbers::NewShortest> &marks() const { return m_marks; }

    QSize sizeHint() const override { return {560, 200}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_n = 0, m_k = 0, m_step = 0;
    std::vector<double> m_ratios;
    std::vector<numbers::NewShortest> m_marks;
};
