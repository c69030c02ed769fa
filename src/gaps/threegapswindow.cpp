#include "gaps/threegapswindow.h"

#include "gaps/gapcircle.h"
#include "gaps/ratioplot.h"
#include "numbers/ranking.h"
#include "drawing/canvas.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

// The best multiplier of n by the gap sum, as the ranking shows it first.
int bestMultiplier(int n)
{
    numbers::RankingQuery query;
    query.n = numbers::u64(n);
    query.top = 1;
    query.threads = 1;
    const std::vector<numbers::Ranked> best = numbers::ranking(query);
    return best.empty() ? 1 : int(best.front().k);
}

} // namespace

ThreeGapsWindow::ThreeGapsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAbstaende"));
    setWindowTitle(QStringLiteral("Drei Abstände"));
    setAccessibleName(QStringLiteral("Drei Abstände"));
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_circle = new GapCircle(this);
    m_circle->setObjectName(QStringLiteral("picAbstaende"));
    m_circle->setAccessibleName(QStringLiteral("Kreis mit den Lücken des Schritts"));

    m_legend = new QLabel(this);
    m_legend->setObjectName(QStringLiteral("lblAbstaende"));
    m_legend->setTextFormat(Qt::RichText);
    m_legend->setWordWrap(true);

    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sldSchritt"));
    m_slider->setAccessibleName(QStringLiteral("Schritt"));
    m_slider->setAccessibleDescription(
            QStringLiteral("Pfeiltasten: ein Schritt weiter oder zurück; Leertaste: abspielen"));
    m_slider->setSingleStep(1);
    m_slider->setPageStep(10);
    m_slider->setFocusPolicy(Qt::StrongFocus);
    m_slider->installEventFilter(this);
    auto *sliderLabel = new QLabel(QStringLiteral("&Schritt:"), this);
    sliderLabel->setBuddy(m_slider);

    m_play = new QPushButton(QStringLiteral("Abspielen"), this);
    m_play->setObjectName(QStringLiteral("cmdAbspielen"));
    m_save = new QPushButton(QStringLiteral("Bild speichern…"), this);
    m_save->setObjectName(QStringLiteral("cmdAbstaendeSpeichern"));

    m_plot = new RatioPlot(this);
    m_plot->setObjectName(QStringLiteral("picVerhaeltnis"));
    m_plot->setAccessibleName(QStringLiteral("Lückenverhältnis je Schritt"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_circle, 0, 0, 4, 1);
    layout->addWidget(m_legend, 0, 1, 1, 3);
    layout->addWidget(sliderLabel, 1, 1);
    layout->addWidget(m_slider, 1, 2, 1, 2);
    layout->addWidget(m_play, 2, 2);
    layout->addWidget(m_save, 2, 3);
    layout->addWidget(m_plot, 4, 0, 1, 4);
    layout->setRowStretch(3, 1);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(2, 1);
    setTabOrder(m_slider, m_play);
    setTabOrder(m_play, m_save);
    resize(820, 660);

    m_player.setInterval(200);
    connect(&m_player, &QTimer::timeout, this, [this] {
        setStep(step() + 1);
        if (step() >= m_n - 1)
            togglePlaying();
    });
    m_settle.setSingleShot(true);
    m_settle.setInterval(100);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        if (m_followedN != m_n) {
            followN(m_followedN);
            m_settle.start();
        }
    });
    connect(m_slider, &QSlider::valueChanged, this, &ThreeGapsWindow::stepChanged);
    connect(m_play, &QPushButton::clicked, this, &ThreeGapsWindow::togglePlaying);
    connect(m_save, &QPushButton::clicked, this, &ThreeGapsWindow::saveRequested);
}

int ThreeGapsWindow::step() const
{
    return m_slider->value();
}

void ThreeGapsWindow::setStep(int step)
{
    m_slider->setValue(step);
}

void ThreeGapsWindow::showAnalysed(int n, int k)
{
    m_analysedN = n;
    m_analysedK = k;
    m_followedN = n;
    showPair(n, k);
}

void ThreeGapsWindow::followN(int n)
{
    m_followedN = n;
    if (m_settle.isActive())
        return; // shown when the timer runs out
    showPair(n, n == m_analysedN ? m_analysedK : bestMultiplier(n));
    m_settle.start();
}

// A new pair starts at step 1; the player stops.
void ThreeGapsWindow::showPair(int n, int k)
{
    if (n == m_n && k == m_k)
        return;
    if (playing())
        togglePlaying();
    m_n = n;
    m_k = k;
    m_plot->setSeries(n, k);
    const QSignalBlocker quiet(m_slider);
    m_slider->setRange(1, std::max(1, n - 1));
    m_slider->setValue(1);
    stepChanged(1);
}

// The gaps after the step shown.
numbers::Gaps ThreeGapsWindow::gaps() const
{
    numbers::Occupation steps{numbers::u64(m_n), numbers::u64(m_k)};
    for (int i = 0; i < step(); ++i)
        steps.advance();
    return numbers::gapsOf(steps);
}

// "3 (2×)": a length and how many gaps have it.
static QString lengthText(const numbers::GapLength &gap)
{
    return QStringLiteral("%1 (%2×)").arg(qulonglong(gap.length)).arg(qulonglong(gap.count));
}

void ThreeGapsWindow::stepChanged(int step)
{
    m_circle->setPicture(m_n, m_k, step);
    m_plot->setStep(step);
    // The legend in the arcs' colours, the shortest length first.
    const numbers::Gaps gaps = this->gaps();
    QStringList lengths;
    for (int g = 0; g < gaps.size; ++g) {
        const numbers::GapLength &gap = gaps.lengths[size_t(g)];
        lengths << QStringLiteral("<span style=\"color:%1; font-weight:bold\">%2</span>")
                           .arg(gapcolours::of(gaps, gap.length).name(), lengthText(gap));
    }
    m_legend->setText(QStringLiteral("<p style=\"font-size:large\">Schritt %1: %2</p>"
                                     "<p>N = %3, k = %4. Die Lücken zwischen benachbarten belegten "
                                     "Positionen haben höchstens drei Längen; die kürzeste ist blau, "
                                     "die längste schwarz, eine mittlere orange.</p>")
                              .arg(step)
                              .arg(lengths.join(QStringLiteral(", ")))
                              .arg(m_n)
                              .arg(m_k));
    m_legend->setAccessibleName(legendText());
}

QString ThreeGapsWindow::legendText() const
{
    const numbers::Gaps gaps = this->gaps();
    QStringList lengths;
    for (int g = 0; g < gaps.size; ++g)
        lengths << lengthText(gaps.lengths[size_t(g)]);
    return QStringLiteral("Schritt %1: %2").arg(step()).arg(lengths.join(QStringLiteral(", ")));
}

void ThreeGapsWindow::togglePlaying()
{
    if (playing()) {
        m_player.stop();
        m_play->setText(QStringLiteral("Abspielen"));
        return;
    }
    if (step() >= m_n - 1)
        setStep(1); // from the start again
    if (step() >= m_n - 1)
        return; // N = 2 has a single step
    m_player.start();
    m_play->setText(QStringLiteral("Anhalten"));
}

// Space on the slider starts and stops the player, as on its button.
bool ThreeGapsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_slider && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        togglePlaying();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

drawing::Drawing ThreeGapsWindow::drawing() const
{
    return m_circle->drawing();
}

QString ThreeGapsWindow::proposedName() const
{
    return QStringLiteral("zyklar-abstaende-N%1-k%2-schritt%3.png").arg(m_n).arg(m_k).arg(step());
}

QString ThreeGapsWindow::title() const
{
    return QStringLiteral("Zyklar, drei Abstände: N = %1, k = %2, Schritt %3")
            .arg(m_n)
            .arg(m_k)
            .arg(step());
}
