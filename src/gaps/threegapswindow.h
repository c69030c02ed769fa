#pragma once

#include "numbers/threegaps.h"

#include <QFont>
#include <QTimer>
#include <QWidget>

class GapCircle;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class RatioPlot;

namespace drawing {
struct Drawing;
}

// frmAbstaende, "Drei Abstände": the occupation of N positions by k, step
// by step, for a lesson in front of a class. The circle at the chosen step
// with its gaps coloured by length, or the sunflower of its seeds with the
// spirals the eye sees (picAbstaende, optKreis, optSonnenblume,
// lblSpiralen); the legend of the lengths and the gap just split
// (lblAbstaende); the step slider (sldSchritt), the player (cmdAbspielen)
// and its speed (sldTempo); and the plot of the gap ratio over every step
// (picVerhaeltnis), where a click chooses the step.
//
// N and k are the window's own (txtAbstaendeN, txtAbstaendeK,
// cmdAbstaendeAnalyse, N up to 100,000), with buttons for the golden
// multipliers and for the Fibonacci pair nearest N (cmdFibonacci); the
// continued fraction of k/N tells where it leaves the golden pattern
// (lblKettenbruch). Every completed analysis of the main window, and every row
// chosen in the ranking, shows its pair here; nothing else moves it.
class ThreeGapsWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int maxN = 100'000;

    explicit ThreeGapsWindow(QWidget *parent = nullptr);

    // The pair of an analysis, from step 1.
    void showAnalysed(int n, int k);

    int n() const { return m_n; }
    int k() const { return m_k; }
    int step() const;
    void setStep(int step);
    bool playing() const { return m_player.isActive(); }
    // Steps a second while playing, 1 … 20.
    int speed() const;
    // The legend as plain text: "Schritt 7: 3 (2×), 5 (4×), 8 (2×)".
    QString legendText() const;
    // What the newest step did: "geteilt: 13 = 5 + 8".
    QString splitText() const;
    // "Spiralen: 13 (blau) und 21 (orange)", in the sunflower.
    QString spiralText() const;
    // k/N's continued fraction, its convergents and where it leaves the
    // golden pattern (lblKettenbruch).
    QString fractionText() const;
    // chkGoldenerWinkel: point j at j·α mod 1, α = (√5 − 1)/2, N points.
    bool goldenAngle() const { return m_golden; }

    // Every text of the window, for a projector: 1 is the desktop's size;
    // Ctrl++ and Ctrl+− step through textScales, Ctrl+0 goes back to 1.
    // F11 shows the window on the whole screen and back.
    static constexpr double textScales[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3};
    double textScale() const { return m_textScale; }
    void setTextScale(double scale);

    GapCircle &circle() const { return *m_circle; }
    RatioPlot &plot() const { return *m_plot; }

    // The picture as it is shown, the ratio plot and a caption of N, k, the
    // step and the legend in colour under it; its file name and title.
    drawing::Drawing drawing() const;
    // Every step as a frame of a looping GIF, at the player's speed; the
    // reason of a failure, else empty. For N up to analysis::mostAnimatedN.
    QString saveAnimation(const QString &path) const;
    QString proposedName() const;
    QString title() const;

signals:
    void saveRequested();
    void textScaleChanged(double scale);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    // The window's parts, each made with its wiring.
    QLayout *inputRow();
    QLayout *goldenRow();
    QLayout *viewRow();
    QLayout *legend();
    QLayout *stepRow();
    QLayout *playerRow();

    void addShortcuts();
    void stepTextScale(int steps);

    void useGoldenAngle(bool golden);
    void leaveGoldenAngle();
    numbers::Rotation rotation() const;
    QString goldenFractionText() const;
    QString description() const;
    std::vector<std::pair<QString, QColor>> spirals() const;
    int ownN() const;

    void showPair(double nRead, double kRead);
    void analyseOwnInput();
    void chooseGolden(double divisor);
    numbers::Occupation occupationAtStep() const;
    void stepChanged(int step);
    void togglePlaying();
    std::vector<std::vector<std::pair<QString, QColor>>> caption() const;

    GapCircle *m_circle;
    QRadioButton *m_circleView;
    QRadioButton *m_sunflowerView;
    QLabel *m_spirals;
    QLabel *m_legend;
    QSlider *m_slider;
    QSlider *m_speed;
    QPushButton *m_play;
    QPushButton *m_save;
    QLineEdit *m_nBox;
    QLineEdit *m_kBox;
    QPushButton *m_show;
    QPushButton *m_goldenButton;
    QPushButton *m_goldenSquared;
    QPushButton *m_fibonacci;
    QCheckBox *m_goldenAngle;
    QLabel *m_fraction;
    RatioPlot *m_plot;
    QTimer m_player;
    QFont m_baseFont;
    double m_textScale = 1;
    int m_n = 0, m_k = 0; // N, the number of points, and k
    bool m_golden = false;
};
