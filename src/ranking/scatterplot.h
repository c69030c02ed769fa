#pragma once

#include <QWidget>

#include <vector>

// picStreuung: every multiplier of N as a point, k/N across and its share of
// the equidistant sum up. The highest points cluster near the golden
// section, k/N ≈ 0.382 and 0.618 (dashed), and its relatives near 0.42 and
// 0.58. The chosen multiplier is highlighted; a click chooses the nearest
// point, and Enter or a double-click asks for its analysis, as in the
// table. Left and Right step to the neighbouring multiplier.
class ScatterPlot : public QWidget
{
    Q_OBJECT
public:
    struct Point {
        int k;
        double share; // 0 … 1
    };

    explicit ScatterPlot(QWidget *parent = nullptr);

    // The points of n, in the order of k.
    void setPoints(int n, std::vector<Point> points);
    void setChosen(int k);
    int chosen() const { return m_chosen; }
    // Where the point of k is drawn, and the multiplier nearest to a place.
    QPointF placeOf(int k) const;
    int multiplierNear(QPointF place) const;

    QSize sizeHint() const override { return {320, 220}; }

signals:
    void clicked(int k);
    void activated(int k);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRectF area() const;
    QPointF placeOf(const Point &point) const;

    int m_n = 0;
    std::vector<Point> m_points;
    double m_low = 0, m_high = 1; // the range of shares shown
    int m_chosen = 0;
};
