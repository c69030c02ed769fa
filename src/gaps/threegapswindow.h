#pragma once

#include "numbers/threegaps.h"

#include <QTimer>
#include <QWidget>

class GapCircle;
class QLabel;
class QPushButton;
class QSlider;
class RatioPlot;

namespace drawing {
struct Drawing;
}

// frmAbstaende, "Drei Abstände": the occupation of the main window's N by
// its k, step by step. The circle at the chosen step with its gaps coloured
// by length (picAbstaende), the legend of the lengths and their counts
// (lblAbstaende), the step slider (sldSchritt) and the player
// (cmdAbspielen, five steps a second), and the plot of the gap ratio over
// every step (picVerhaeltnis). It follows the main window as the ranking
// does.
class ThreeGapsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ThreeGapsWindow(QWidget *parent = nullptr);

    // After an analysis of k for n: that pair, from step 1.
    void showAnalysed(int n, int k);
    // N moved: at once and then at most ten times a second, the last N with
    // its best multiplier by the gap sum, or the one analysed for it.
    void followN(int n);

    int n() const { return m_n; }
    int k() const { return m_k; }
    int step() const;
    void setStep(int step);
    bool playing() const { return m_player.isActive(); }
    // The legend as plain text: "Schritt 7: 3 (2×), 5 (4×), 8 (2×)".
    QString legendText() const;

    GapCircle &circle() const { return *m_circle; }
    RatioPlot &plot() const { return *m_plot; }

    // The circle as it is shown, with its file name and title.
    drawing::Drawing drawing() const;
    QString proposedName() const;
    QString title() const;

signals:
    void saveRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPair(int n, int k);
    numbers::Gaps gaps() const;
    void stepChanged(int step);
    void togglePlaying();

    GapCircle *m_circle;
    QLabel *m_legend;
    QSlider *m_slider;
    QPushButton *m_play;
    QPushButton *m_save;
    RatioPlot *m_plot;
    QTimer m_player;
    QTimer m_settle;
    int m_n = 0, m_k = 0;
    int m_analysedN = 0, m_analysedK = 0, m_followedN = 0;
};
