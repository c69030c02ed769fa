#pragma once

#include <QString>
#include <QWidget>

class QPainter;

#include <vector>

// picStreuung: every multiplier of N as a point, k/N across and the figure
// the ranking orders by up (the share of the equidistant sum at first). The
// best points cluster near the golden section, k/N ≈ 0.382 and 0.618
// (dashed and labelled), and its relatives near 0.42 and 0.58. The chosen
// multiplier is highlighted, and resting the pointer on a point tells its
// k and figure; a click chooses the nearest point, and Enter or a
// double-click asks for its analysis, as in the table. Left and Right step
// to the neighbouring multiplier.
class ScatterPlot : public QWidget
{
    Q_OBJECT
public:
    struct Point {
        int k;
        double value;
        QString text; // the value as the table writes it
    };

    explicit ScatterPlot(QWidget *parent = nullptr);

    // The points of n, in the order of k, and what their values are.
    void setPoints(int n, std::vector<Point> points, const QString &figure);
    const QString &figure() const { return m_figure; }
    // What the pointer resting at a place is told: "k = 123: Anteil 0,7755",
    // or nothing away from every point.
    QString toolTipAt(QPointF place) const;
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
    bool event(QEvent *event) override;

private:
    void drawAxisMarks(QPainter &p, const QRectF &area) const;
    void drawPoints(QPainter &p) const;
    QRectF area() const;
    QPointF placeOf(const Point &point) const;

    int m_n = 0;
    std::vector<Point> m_points;
    QString m_figure;
    double m_low = 0, m_high = 1; // the range of values shown
    int m_chosen = 0;
};
