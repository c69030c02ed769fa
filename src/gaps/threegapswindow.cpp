#include "gaps/threegapswindow.h"

#include "analysis/input.h"
#include "drawing/canvas.h"
#include "language/language.h"
#include "gaps/gapcircle.h"
#include "gaps/ratioplot.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace {

// A button that a click does not give the focus, so Space keeps going to
// the slider; Tab still reaches it.
QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    made->setFocusPolicy(Qt::TabFocus);
    made->setAutoDefault(false);
    return made;
}

// A length of the circle: whole positions of k/N as they are; for the
// golden angle, whose circle has the length 1, a decimal with four
// significant digits: "0,0902".
QString lengthText(numbers::u64 length, numbers::u64 circle, bool golden)
{
    if (!golden)
        return QString::number(qulonglong(length));
    const double value = double(length) / double(circle);
    const int decimals = std::max(4, 3 - int(std::floor(std::log10(value))));
    return language::localDecimal(QString::number(value, 'f', decimals));
}

// "3 (2×)": a length and how many gaps have it.
QString lengthText(const numbers::GapLength &gap, numbers::u64 circle, bool golden)
{
    return QStringLiteral("%1 (%2×)")
            .arg(lengthText(gap.length, circle, golden))
            .arg(qulonglong(gap.count));
}

// A text in parts, each in its colour where it has one: the legend on
// screen, its accessible name and the caption of a saved picture are all
// made of the same parts.
using ColouredText = std::vector<std::pair<QString, QColor>>;

QString plainOf(const ColouredText &parts)
{
    QString text;
    for (const auto &[part, colour] : parts)
        text += part;
    return text;
}

QString richOf(const ColouredText &parts)
{
    QString text;
    for (const auto &[part, colour] : parts)
        text += colour.isValid()
                ? QStringLiteral("<span style=\"color:%1; font-weight:bold\">%2</span>")
                          .arg(colour.name(), part)
                : part;
    return text;
}

// "Schritt 7: 3 (2×), 5 (4×), 8 (2×)", each length in its arcs' colour.
ColouredText legendOf(const numbers::Occupation &steps, bool golden)
{
    const numbers::Gaps gaps = numbers::gapsOf(steps);
    ColouredText parts{
            {language::translate("ThreeGapsWindow", "Schritt %1: ").arg(steps.step()), {}}};
    for (int g = 0; g < gaps.size; ++g) {
        const numbers::GapLength &gap = gaps.lengths[size_t(g)];
        if (g > 0)
            parts.push_back({QStringLiteral(", "), {}});
        parts.push_back({lengthText(gap, steps.n(), golden),
                         analysis::gapcolours::of(gaps, gap.length)});
    }
    return parts;
}

// The newest position lies b after its neighbour behind and f before the
// one ahead (the running minima): it split a gap of b + f into b and f.
QString splitOf(const numbers::Occupation &steps, bool golden)
{
    const auto length = [&](numbers::u64 l) { return lengthText(l, steps.n(), golden); };
    return language::translate("ThreeGapsWindow", "geteilt: %1 = %2 + %3")
            .arg(length(steps.backward() + steps.forward()), length(steps.backward()),
                 length(steps.forward()));
}

constexpr int defaultSpeed = 5;

} // namespace

ThreeGapsWindow::ThreeGapsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAbstaende"));
    setWindowTitle(tr("Drei Abstände"));
    setAccessibleName(tr("Drei Abstände"));
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_circle = new GapCircle(this);
    m_circle->setObjectName(QStringLiteral("picAbstaende"));
    m_circle->setAccessibleName(tr("Kreis mit den Lücken des Schritts"));
    m_plot = new RatioPlot(this);
    m_plot->setObjectName(QStringLiteral("picVerhaeltnis"));
    m_plot->setAccessibleName(tr("Lückenverhältnis je Schritt"));
    connect(m_plot, &RatioPlot::stepClicked, this, &ThreeGapsWindow::setStep);

    // The input and the texts scroll where the window is too small for
    // them (a small screen, large text); the step and the player stay.
    auto *panel = new QWidget;
    auto *texts = new QVBoxLayout(panel);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->addLayout(inputRow());
    texts->addLayout(goldenRow());
    texts->addLayout(viewRow());
    texts->addLayout(legend());
    texts->addStretch();
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(panel);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *side = new QVBoxLayout;
    side->addWidget(scroll, 1);
    side->addLayout(stepRow());
    side->addLayout(playerRow());
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_circle, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addWidget(m_plot, 1, 0, 1, 2);
    layout->setRowStretch(0, 3);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    // Tab walks the input, the views, then the step, the player, the saving
    // and the speed.
    QWidget *order[] = {m_nBox,      m_kBox,      m_show,          m_goldenAngle, m_goldenButton,
                        m_goldenSquared,   m_fibonacci, m_circleView,    m_sunflowerView, m_slider,
                        m_play,      m_save,      m_speed};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    resize(900, 680);
    m_baseFont = font();
    addShortcuts();
}

void ThreeGapsWindow::addShortcuts()
{
    const auto add = [this](const QKeySequence &keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    add(QKeySequence::ZoomIn, [this] { stepTextScale(1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { stepTextScale(1); });
    add(QKeySequence::ZoomOut, [this] { stepTextScale(-1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setTextScale(1); });
    add(QKeySequence(Qt::Key_F11), [this] {
        if (isFullScreen())
            showNormal();
        else
            showFullScreen();
    });
}

// The next or the previous of the text scales.
void ThreeGapsWindow::stepTextScale(int steps)
{
    const auto *now = std::lower_bound(std::begin(textScales), std::end(textScales), m_textScale);
    const auto at = std::clamp<std::ptrdiff_t>(now - std::begin(textScales) + steps, 0,
                                               std::ssize(textScales) - 1);
    setTextScale(textScales[at]);
}

void ThreeGapsWindow::setTextScale(double scale)
{
    scale = std::clamp(scale, textScales[0], std::end(textScales)[-1]);
    if (scale == m_textScale)
        return;
    m_textScale = scale;
    QFont scaled = m_baseFont;
    scaled.setPointSizeF(m_baseFont.pointSizeF() * scale);
    setFont(scaled);
    m_circle->setTextScale(scale);
    m_legend->setMinimumWidth(int(240 * scale));
    emit textScaleChanged(scale);
}

// The window's own N and k, and "Zeigen".
QLayout *ThreeGapsWindow::inputRow()
{
    m_nBox = new QLineEdit(this);
    m_nBox->setObjectName(QStringLiteral("txtAbstaendeN"));
    m_nBox->setAccessibleName(QStringLiteral("N"));
    m_kBox = new QLineEdit(this);
    m_kBox->setObjectName(QStringLiteral("txtAbstaendeK"));
    m_kBox->setAccessibleName(QStringLiteral("k"));
    auto *nLabel = new QLabel(QStringLiteral("&N ="), this);
    nLabel->setBuddy(m_nBox);
    auto *kLabel = new QLabel(QStringLiteral("&k ="), this);
    kLabel->setBuddy(m_kBox);
    m_show = button(tr("Zeigen"), "cmdAbstaendeAnalyse", this);
    m_show->setAccessibleDescription(tr("Zeigt N und k dieses Fensters, N bis 100000"));

    auto *row = new QHBoxLayout;
    for (QWidget *widget : std::initializer_list<QWidget *>{nLabel, m_nBox, kLabel, m_kBox, m_show})
        row->addWidget(widget);
    row->addStretch();
    for (QLineEdit *box : {m_nBox, m_kBox}) {
        box->setMaximumWidth(90);
        connect(box, &QLineEdit::returnPressed, this, &ThreeGapsWindow::analyseOwnInput);
    }
    connect(m_show, &QPushButton::clicked, this, &ThreeGapsWindow::analyseOwnInput);
    return row;
}

// The golden angle itself; the golden multipliers k ≈ N/φ and N/φ², and
// the Fibonacci pair nearest N.
QLayout *ThreeGapsWindow::goldenRow()
{
    m_goldenAngle = new QCheckBox(tr("&Goldener Winkel (irrational)"), this);
    m_goldenAngle->setObjectName(QStringLiteral("chkGoldenerWinkel"));
    m_goldenAngle->setAccessibleDescription(
            tr("Punkt j steht bei j·α mod 1 mit α = (√5 − 1)/2; N ist die Zahl der Punkte"));
    connect(m_goldenAngle, &QCheckBox::toggled, this, &ThreeGapsWindow::useGoldenAngle);

    m_goldenButton = button(QStringLiteral("k ≈ N/φ"), "cmdGoldenerSchnitt", this);
    m_goldenButton->setAccessibleDescription(tr("k wird die nächste zu N teilerfremde Zahl bei N/φ"));
    m_goldenSquared = button(QStringLiteral("k ≈ N/φ²"), "cmdGoldenerSchnitt2", this);
    m_goldenSquared->setAccessibleDescription(
            tr("k wird die nächste zu N teilerfremde Zahl bei N/φ²"));
    m_fibonacci = button(tr("Fibonacci"), "cmdFibonacci", this);
    m_fibonacci->setAccessibleDescription(
            tr("N wird die nächste Fibonacci-Zahl, k die vorige"));
    connect(m_goldenButton, &QPushButton::clicked, this, [this] { chooseGolden(std::numbers::phi); });
    connect(m_goldenSquared, &QPushButton::clicked, this,
            [this] { chooseGolden(std::numbers::phi * std::numbers::phi); });
    connect(m_fibonacci, &QPushButton::clicked, this, [this] {
        const numbers::FibonacciPair pair = numbers::nearestFibonacci(numbers::u64(ownN()), maxN);
        showPair(double(pair.n), double(pair.k));
    });

    auto *row = new QHBoxLayout;
    row->addWidget(m_goldenButton);
    row->addWidget(m_goldenSquared);
    row->addWidget(m_fibonacci);
    row->addStretch();
    auto *rows = new QVBoxLayout;
    rows->addWidget(m_goldenAngle);
    rows->addLayout(row);
    return rows;
}

// The two views of the same steps, and the spirals the sunflower shows.
QLayout *ThreeGapsWindow::viewRow()
{
    m_circleView = new QRadioButton(tr("&Kreis"), this);
    m_circleView->setObjectName(QStringLiteral("optKreis"));
    m_circleView->setChecked(true);
    m_sunflowerView = new QRadioButton(tr("S&onnenblume"), this);
    m_sunflowerView->setObjectName(QStringLiteral("optSonnenblume"));
    auto *views = new QButtonGroup(this);
    for (QRadioButton *view : {m_circleView, m_sunflowerView}) {
        views->addButton(view);
        view->setFocusPolicy(Qt::TabFocus);
    }
    m_spirals = new QLabel(this);
    m_spirals->setObjectName(QStringLiteral("lblSpiralen"));
    connect(m_circleView, &QRadioButton::toggled, this, [this](bool circle) {
        m_circle->setView(circle ? GapCircle::View::Circle : GapCircle::View::Sunflower);
        stepChanged(step());
        m_slider->setFocus(Qt::OtherFocusReason); // the arrows step on in the new view
    });

    m_spirals->setTextFormat(Qt::RichText);
    auto *row = new QHBoxLayout;
    row->addWidget(m_circleView);
    row->addWidget(m_sunflowerView);
    row->addStretch();
    auto *rows = new QVBoxLayout;
    rows->addLayout(row);
    rows->addWidget(m_spirals); // a row of its own
    return rows;
}

// The lengths of the step's gaps and the gap just split, and the story of
// k/N: its continued fraction and where it leaves the golden pattern.
QLayout *ThreeGapsWindow::legend()
{
    m_legend = new QLabel(this);
    m_legend->setObjectName(QStringLiteral("lblAbstaende"));
    m_legend->setTextFormat(Qt::RichText);
    m_legend->setWordWrap(true);
    m_legend->setMinimumWidth(240);
    m_fraction = new QLabel(this);
    m_fraction->setObjectName(QStringLiteral("lblKettenbruch"));
    m_fraction->setAccessibleName(tr("Kettenbruch von k/N"));
    m_fraction->setTextFormat(Qt::PlainText);
    m_fraction->setWordWrap(true);
    m_fraction->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *column = new QVBoxLayout;
    column->addWidget(m_legend);
    column->addWidget(m_fraction);
    return column;
}

// α = [0; 1, 1, 1, …] and its convergents, ratios of consecutive Fibonacci
// numbers, as far as their denominators are steps.
QString ThreeGapsWindow::goldenFractionText() const
{
    const numbers::Rotation golden = numbers::goldenRotation;
    QStringList convergents;
    for (const numbers::Convergent &c :
         numbers::convergents(numbers::continuedFraction(golden.k, golden.n))) {
        if (c.q >= numbers::Wide(m_n))
            break;
        convergents << QStringLiteral("%1/%2").arg(qulonglong(c.p)).arg(qulonglong(c.q));
    }
    return tr("α = (√5 − 1)/2 = [0; 1, 1, 1, …]\nNäherungsbrüche: %1, …\nAlle Teilnenner sind 1, "
              "jeder Näherungsbruch ist ein Verhältnis zweier Fibonacci-Zahlen: der goldene "
              "Schnitt selbst.")
            .arg(convergents.join(QStringLiteral(", ")));
}

// "k/N = 123/200 = [0; 1, 1, 1, 1, 2, 15]", the convergents, and where
// the pattern of the golden ratio, all quotients 1, breaks.
QString ThreeGapsWindow::fractionText() const
{
    if (m_golden)
        return goldenFractionText();
    const std::vector<numbers::Wide> quotients
            = numbers::continuedFraction(numbers::u64(m_k), numbers::Wide(m_n));
    QStringList convergents;
    for (const numbers::Convergent &c : numbers::convergents(quotients))
        convergents << QStringLiteral("%1/%2").arg(qulonglong(c.p)).arg(qulonglong(c.q));
    QString text = tr("k/N = %1/%2 = %3\nNäherungsbrüche: %4\n")
                           .arg(m_k)
                           .arg(m_n)
                           .arg(QString::fromStdString(numbers::continuedFractionText(quotients)),
                                convergents.join(QStringLiteral(", ")));
    const std::optional<numbers::PatternBreak> broken
            = numbers::goldenPatternBreak(numbers::u64(m_n), numbers::u64(m_k));
    if (!broken)
        return text + tr("Alle Teilnenner sind 1, wie beim goldenen Schnitt (der letzte, 2, ist "
                         "1 + 1/1): das Muster hält bis zum Ende.");
    return text + tr("Der %1. Teilnenner, %2, bricht das Muster des goldenen Schnitts, dessen "
                     "Teilnenner alle 1 sind: im Verhältnis der Lücken ab Schritt %3.")
                          .arg(broken->index)
                          .arg(qulonglong(broken->quotient))
                          .arg(qulonglong(broken->step));
}

QLayout *ThreeGapsWindow::stepRow()
{
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sldSchritt"));
    m_slider->setAccessibleName(tr("Schritt"));
    m_slider->setAccessibleDescription(
            tr("Pfeiltasten: ein Schritt weiter oder zurück; Leertaste: abspielen"));
    m_slider->setSingleStep(1);
    m_slider->setPageStep(10);
    m_slider->setFocusPolicy(Qt::StrongFocus);
    m_slider->installEventFilter(this);
    connect(m_slider, &QSlider::valueChanged, this, &ThreeGapsWindow::stepChanged);
    auto *label = new QLabel(tr("&Schritt:"), this);
    label->setBuddy(m_slider);

    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_slider, 1);
    return row;
}

// The player with its speed, and saving.
QLayout *ThreeGapsWindow::playerRow()
{
    m_play = button(tr("Abspielen"), "cmdAbspielen", this);
    m_save = button(tr("Bild speichern…"), "cmdAbstaendeSpeichern", this);
    m_speed = new QSlider(Qt::Horizontal, this);
    m_speed->setObjectName(QStringLiteral("sldTempo"));
    m_speed->setAccessibleName(tr("Tempo in Schritten je Sekunde"));
    m_speed->setRange(1, 20);
    m_speed->setValue(defaultSpeed);
    auto *speedLabel = new QLabel(this);
    speedLabel->setBuddy(m_speed);
    const auto showSpeed = [this, speedLabel] {
        speedLabel->setText(tr("&Tempo: %1/s").arg(speed()));
        m_player.setInterval(1000 / speed());
    };
    showSpeed();
    connect(m_speed, &QSlider::valueChanged, this, showSpeed);
    connect(&m_player, &QTimer::timeout, this, [this] {
        setStep(step() + 1);
        if (step() >= m_n - 1)
            togglePlaying();
    });
    connect(m_play, &QPushButton::clicked, this, &ThreeGapsWindow::togglePlaying);
    connect(m_save, &QPushButton::clicked, this, &ThreeGapsWindow::saveRequested);

    auto *row = new QHBoxLayout;
    row->addWidget(m_play);
    row->addWidget(speedLabel);
    row->addWidget(m_speed, 1);
    row->addWidget(m_save);
    return row;
}

int ThreeGapsWindow::step() const
{
    return m_slider->value();
}

void ThreeGapsWindow::setStep(int step)
{
    m_slider->setValue(step);
}

int ThreeGapsWindow::speed() const
{
    return m_speed->value();
}

void ThreeGapsWindow::showAnalysed(int n, int k)
{
    leaveGoldenAngle();
    showPair(n, k);
}

// The golden angle itself, or k/N again: N stays, and is the number of
// points of the golden angle.
void ThreeGapsWindow::useGoldenAngle(bool golden)
{
    m_golden = golden;
    m_kBox->setEnabled(!golden);
    m_n = 0; // shown afresh
    analyseOwnInput();
}

void ThreeGapsWindow::leaveGoldenAngle()
{
    if (!m_golden)
        return;
    const QSignalBlocker quiet(m_goldenAngle);
    m_goldenAngle->setChecked(false);
    m_golden = false;
    m_kBox->setEnabled(true);
    m_n = 0;
}

numbers::Rotation ThreeGapsWindow::rotation() const
{
    return m_golden ? numbers::goldenRotation
                    : numbers::Rotation{numbers::u64(m_n), numbers::u64(m_k)};
}

// The window's own N and k, read as the main window reads its boxes:
// rounded, N within 2 … 100000, k taken modulo N and their common divisor
// cancelled; what is shown is written back.
void ThreeGapsWindow::analyseOwnInput()
{
    showPair(analysis::readNumber(m_nBox->text()), analysis::readNumber(m_kBox->text()));
}

// The N of the window's own box, read by the main window's rule.
int ThreeGapsWindow::ownN() const
{
    return analysis::reduceInput(analysis::readNumber(m_nBox->text()), 1, maxN).n;
}

// k the nearest whole number to N/divisor that is coprime with N.
void ThreeGapsWindow::chooseGolden(double divisor)
{
    leaveGoldenAngle();
    const int n = ownN();
    const double target = n / divisor;
    int best = 1;
    double distance = n;
    for (int k = 1; k < n; ++k) {
        if (std::abs(k - target) < distance && std::gcd(k, n) == 1) {
            best = k;
            distance = std::abs(k - target);
        }
    }
    showPair(n, best);
}

// A new pair starts at step 1; the player stops. Whatever it is handed is
// reduced by the main window's rule, up to N = 100000, to a pair that
// occupies every position: 2 ≤ N, 1 ≤ k < N, coprime. The boxes show it.
void ThreeGapsWindow::showPair(double nRead, double kRead)
{
    // The golden angle has no k: N alone is read, the number of points.
    const analysis::ReducedInput pair = analysis::reduceInput(nRead, m_golden ? 1 : kRead, maxN);
    const int n = pair.n, k = m_golden ? m_k : pair.k;
    m_nBox->setText(QString::number(n));
    m_kBox->setText(QString::number(k));
    if (n == m_n && k == m_k)
        return;
    if (playing())
        togglePlaying();
    m_n = n;
    m_k = k;
    if (m_golden)
        m_plot->setGoldenSeries(n);
    else
        m_plot->setSeries(numbers::u64(n), numbers::u64(k));
    m_fraction->setText(fractionText());
    const QSignalBlocker quiet(m_slider);
    m_slider->setRange(1, std::max(1, n - 1));
    m_slider->setValue(1);
    stepChanged(1);
}

numbers::Occupation ThreeGapsWindow::occupationAtStep() const
{
    numbers::Occupation steps{rotation().n, rotation().k};
    for (int i = 0; i < step(); ++i)
        steps.advance();
    return steps;
}

void ThreeGapsWindow::stepChanged(int step)
{
    m_circle->setPicture(rotation().n, rotation().k, step);
    m_plot->setStep(step);
    // The legend in the arcs' colours, the shortest length first.
    const numbers::Occupation steps = occupationAtStep();
    const ColouredText legend = legendOf(steps, m_golden);
    const QString subject = m_golden ? tr("Goldener Winkel, %1 Punkte.").arg(m_n)
                                     : tr("N = %1, k = %2.").arg(m_n).arg(m_k);
    m_legend->setText(
            QStringLiteral("<p style=\"font-size:large\">%1</p><p style=\"color:%2\">%3</p>"
                           "<p>%4</p>")
                    .arg(richOf(legend), analysis::gapcolours::newest.name(),
                         splitOf(steps, m_golden), subject + u' ' + description()));
    m_legend->setAccessibleName(plainOf(legend) + QStringLiteral("; ") + splitOf(steps, m_golden));
    const bool sunflower = m_circle->view() == GapCircle::View::Sunflower;
    m_spirals->setText(sunflower ? richOf(spirals()) : QString());
    m_spirals->setAccessibleName(sunflower ? spiralText() : QString());
}

// What the picture shows, under the legend.
QString ThreeGapsWindow::description() const
{
    if (m_circle->view() == GapCircle::View::Sunflower)
        return tr("Die Sonnenblume nach Vogel: Samen i steht beim Winkel 2π·i·α und im Abstand √i "
                  "vom Mittelpunkt, mit α = k/N oder dem goldenen Winkel. Das Auge sieht zwei "
                  "Scharen von Spiralen durch benachbarte Samen; ihre Anzahlen sind Nenner von "
                  "Näherungsbrüchen von α, beim goldenen Winkel aufeinanderfolgende "
                  "Fibonacci-Zahlen. Rot: der neueste Samen.");
    return tr("Die Lücken zwischen benachbarten belegten Positionen haben höchstens drei Längen; "
              "die kürzeste ist blau, die längste schwarz, eine mittlere orange. Rot: die neue "
              "Position und die Lücke, die sie geteilt hat.");
}

// "Spiralen: 21 (blau) und 34 (orange)", each count in its family's colour.
std::vector<std::pair<QString, QColor>> ThreeGapsWindow::spirals() const
{
    const analysis::Parastichies families
            = analysis::parastichies(rotation().n, rotation().k, step());
    if (!families.first)
        return {{tr("Spiralen: noch keine"), {}}};
    ColouredText parts{{tr("Spiralen: "), {}},
                       {families.second ? tr("%1 (blau)").arg(*families.first)
                                        : QString::number(*families.first),
                        analysis::gapcolours::spirals[0]}};
    if (families.second)
        parts.insert(parts.end(), {{tr(" und "), {}},
                                   {tr("%1 (orange)").arg(*families.second),
                                    analysis::gapcolours::spirals[1]}});
    return parts;
}

QString ThreeGapsWindow::legendText() const
{
    return plainOf(legendOf(occupationAtStep(), m_golden));
}

QString ThreeGapsWindow::splitText() const
{
    return splitOf(occupationAtStep(), m_golden);
}

QString ThreeGapsWindow::spiralText() const
{
    return plainOf(spirals());
}

void ThreeGapsWindow::togglePlaying()
{
    if (playing()) {
        m_player.stop();
        m_play->setText(tr("Abspielen"));
        return;
    }
    if (step() >= m_n - 1)
        setStep(1); // from the start again
    if (step() >= m_n - 1)
        return; // N = 2 has a single step
    m_player.start();
    m_play->setText(tr("Anhalten"));
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

// Opened or brought forward, the window gives the slider the focus, so
// the arrows step and Space plays.
void ThreeGapsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_slider->setFocus(Qt::ActiveWindowFocusReason);
}

bool ThreeGapsWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_slider->setFocus(Qt::ActiveWindowFocusReason);
    return QWidget::event(event);
}


// The caption of a saved picture in lines of coloured parts: the colour
// key stays in colour on paper.
std::vector<std::vector<std::pair<QString, QColor>>> ThreeGapsWindow::caption() const
{
    const numbers::Occupation steps = occupationAtStep();
    return {{{title(), {}}},
            legendOf(steps, m_golden),
            m_circle->view() == GapCircle::View::Circle
                    ? ColouredText{{splitOf(steps, m_golden), analysis::gapcolours::newest}}
                    : spirals()};
}

// The picture as it is shown, the ratio plot under it and the caption in
// colour under both; text stays text in SVG and PDF.
drawing::Drawing ThreeGapsWindow::drawing() const
{
    const QSize picture = m_circle->size(), plot = m_plot->size();
    const QFont font = this->font();
    const QFontMetrics metrics(font);
    const int line = metrics.height();
    const std::vector<ColouredText> lines = caption();
    const QSize size(std::max(picture.width(), plot.width()),
                     picture.height() + plot.height() + int(lines.size()) * line + line / 2);
    return {size, [this, picture, plot, font, line, lines, size](QPainter &painter) {
                painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
                m_circle->paint(painter, picture);
                painter.save();
                painter.translate(0, picture.height());
                m_plot->paintOn(painter);
                painter.restore();
                painter.setFont(font);
                const QFontMetricsF metrics(font);
                const int top = picture.height() + plot.height();
                for (size_t i = 0; i < lines.size(); ++i) {
                    double x = 8;
                    for (const auto &[part, colour] : lines[i]) {
                        painter.setPen(colour.isValid() ? colour : QColor(Qt::black));
                        painter.drawText(QRectF(x, top + double(i) * line, size.width() - x, line),
                                         Qt::AlignLeft | Qt::AlignVCenter, part);
                        x += metrics.horizontalAdvance(part);
                    }
                }
            }};
}

// Every step a frame of a GIF that loops, as the circle or the sunflower
// is shown, each with the window's caption of its step.
QString ThreeGapsWindow::saveAnimation(const QString &path) const
{
    const QString subject = m_golden ? tr("goldener Winkel, %1 Punkte").arg(m_n)
                                     : QStringLiteral("N = %1, k = %2").arg(m_n).arg(m_k);
    return analysis::saveGapsAnimation(
            path, m_circle->size(), m_circle->picture(), m_n - 1, 100 / speed(), font(),
            [&](int step) { return tr("%1, Schritt %2").arg(subject).arg(step); });
}

QString ThreeGapsWindow::proposedName() const
{
    const QString view = m_circle->view() == GapCircle::View::Sunflower ? tr("sonnenblume")
                                                                        : tr("abstaende");
    if (m_golden)
        return tr("zyklar-%1-goldener-winkel-N%2-schritt%3.png").arg(view).arg(m_n).arg(step());
    return tr("zyklar-%1-N%2-k%3-schritt%4.png").arg(view).arg(m_n).arg(m_k).arg(step());
}

QString ThreeGapsWindow::title() const
{
    const bool sunflower = m_circle->view() == GapCircle::View::Sunflower;
    if (m_golden)
        return (sunflower ? tr("Zyklar, Sonnenblume: goldener Winkel, %1 Punkte, Schritt %2")
                          : tr("Zyklar, drei Abstände: goldener Winkel, %1 Punkte, Schritt %2"))
                .arg(m_n)
                .arg(step());
    return (sunflower ? tr("Zyklar, Sonnenblume: N = %1, k = %2, Schritt %3")
                      : tr("Zyklar, drei Abstände: N = %1, k = %2, Schritt %3"))
            .arg(m_n)
            .arg(m_k)
            .arg(step());
}
