#pragma once

#include <QTimer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLayout;
class QModelIndex;
class QSortFilterProxyModel;
class QTableView;
class RankingModel;
class ScatterPlot;
class StepPlot;

// frmRangliste: every multiplier of the main window's N with every figure,
// ranked by the figure chosen in cboRangfolge (the gap sum at first), in a
// sortable read-only table (grdRangliste), and under it the chosen
// multiplier's minimal distances against the equidistant row (picVerlauf)
// with its f₂ … f₈ beside them (lblDimensionen), and every multiplier's
// figure over k/N (picStreuung). Activating a row or
// a point asks for that multiplier's analysis in the main window.
class RankingWindow : public QWidget
{
    Q_OBJECT
public:
    explicit RankingWindow(QWidget *parent = nullptr);

    // The table shows n.
    void showN(int n);
    // The table follows N while the user moves it: at once, and then at
    // most ten times a second, always ending at the last N. A scroll bar
    // dragged across N stays as quick as with this window closed.
    void followN(int n);
    // After an analysis of k for n: the table shows n with k's row current.
    void showAnalysed(int n, int k);

    RankingModel &model() const { return *m_model; }
    QComboBox &order() const { return *m_order; }
    QTableView &table() const { return *m_view; }
    StepPlot &plot() const { return *m_plot; }
    ScatterPlot &scatter() const { return *m_scatter; }
    // The multiplier of the current row, 0 when there is none.
    int currentMultiplier() const;

signals:
    void multiplierChosen(int n, int k);

private:
    // The window's parts, each made with its wiring.
    QLayout *orderRow();
    QWidget *tableView();
    void fitColumns();
    QLayout *plotRow();

    void selectMultiplier(int k);
    void showChosen(int k);
    int multiplierAt(const QModelIndex &viewIndex) const;
    void rankBy(int choice);
    void describe();
    void plotEveryMultiplier();

    QLabel *m_caption;
    QComboBox *m_order;
    QTableView *m_view;
    RankingModel *m_model;
    QSortFilterProxyModel *m_proxy;
    StepPlot *m_plot;
    ScatterPlot *m_scatter;
    QLabel *m_dimensions;
    int m_analysedN = 0;
    int m_analysedK = 0;
    int m_followedN = 0;
    QTimer m_settle;
};
