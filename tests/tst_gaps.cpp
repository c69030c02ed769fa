// The window "Drei Abstände" driven as a user drives it: opened from
// "Extras", its legend against the sorted positions, its arcs in as many
// colours as there are lengths, the slider and the player, following the
// main window, and saving its circle; and the ranking window's scatter
// plot, whose points choose rows.

#include "app/application.h"
#include "app/form1.h"
#include "formcontrols.h"
#include "drawing/plotaxes.h"
#include "gaps/gapcircle.h"
#include "gaps/ratioplot.h"
#include "gaps/threegapswindow.h"
#include "platform/filedialog.h"
#include "platform/placement.h"
#include "ranking/rankingwindow.h"
#include "ranking/scatterplot.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>
#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSvgRenderer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <numbers>
#include <numeric>
#include <set>
#include <tuple>

namespace {

ThreeGapsWindow *openGaps(Form1 &form)
{
    form.findChild<QAction *>("cmdDreiAbstaende")->trigger();
    return form.findChild<ThreeGapsWindow *>("frmAbstaende");
}

void analyse(Form1 &form, int n, int k)
{
    ui::of(form).txtN->setText(QString::number(n));
    ui::of(form).txtk->setText(QString::number(k));
    ui::of(form).Command2->click();
}

// The legend by brute force: the occupied positions sorted, the gaps
// between them counted.
QString sortedLegend(int n, int k, int step)
{
    std::vector<int> positions;
    for (int i = 0; i <= step; ++i)
        positions.push_back(i * k % n);
    std::sort(positions.begin(), positions.end());
    std::map<int, int> counts;
    for (size_t p = 0; p < positions.size(); ++p)
        ++counts[(p + 1 < positions.size() ? positions[p + 1] : n) - positions[p]];
    QStringList lengths;
    for (const auto &[length, count] : counts)
        lengths << QStringLiteral("%1 (%2×)").arg(length).arg(count);
    return QStringLiteral("Schritt %1: %2").arg(step).arg(lengths.join(QStringLiteral(", ")));
}

// The gap the newest position split, by brute force: its neighbours among
// the sorted positions before it.
QString sortedSplit(int n, int k, int step)
{
    const int newest = step * k % n;
    int behind = -n, ahead = 2 * n;
    for (int i = 0; i < step; ++i) {
        for (int p : {i * k % n - n, i * k % n, i * k % n + n}) {
            if (p < newest)
                behind = std::max(behind, p);
            if (p > newest)
                ahead = std::min(ahead, p);
        }
    }
    return QStringLiteral("geteilt: %1 = %2 + %3")
            .arg(ahead - behind)
            .arg(newest - behind)
            .arg(ahead - newest);
}

// The denominators of the convergents and intermediate fractions of k/n:
// m·q_{j−1} + q_{j−2} for m = 1 … a_j.
std::set<int> convergentDenominators(int n, int k)
{
    std::set<int> denominators;
    int before = 0, q = 1;
    for (int a = n, b = k; b != 0;) {
        const int quotient = a / b;
        for (int m = 1; m <= quotient; ++m)
            denominators.insert(m * q + before);
        std::tie(before, q) = std::pair(q, quotient * q + before);
        std::tie(a, b) = std::pair(b, a % b);
    }
    return denominators;
}

} // namespace

class TestGaps : public QObject
{
    Q_OBJECT
private slots:
    void opensAtTheLastAnalysis();
    void legendAgainstSortedPositions_data();
    void legendAgainstSortedPositions();
    void arcsInAsManyColoursAsLengths();
    void playerReachesTheLastStepAndStops();
    void keyboardAlone();
    void followsAnalysesOnly();
    void opensAtTheAnalysisNotTheScrollBars();
    void ownInputAndGoldenMultipliers_data();
    void ownInputAndGoldenMultipliers();
    void theStoryOfTheFraction();
    void textForAProjector();
    void goldenAngleAgainstAnExactModel();
    void crowdedStepsRunLogarithmically();
    void savesItsCircle();
    void scatterPointsChooseRows();
    void gapsVisibleAtEveryN();
    void quotientsLabelTheirStretches_data();
    void quotientsLabelTheirStretches();
    void parastichiesAreConvergentDenominators();
    void sunflowerOfFibonacci();
    void focusSpaceAndSpeed();
    void windowsStayInView();
    void scatterPlotsTheChosenFigure();

private:
    testsupport::ScreenSize m_screen{1024, 768};
    testsupport::MessageAnswers m_answers;
};

void TestGaps::opensAtTheLastAnalysis()
{
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    QVERIFY(gaps && gaps->isVisible() && gaps->isWindow() && !gaps->isModal());
    QCOMPARE(gaps->windowTitle(), QStringLiteral("Drei Abstände"));
    QCOMPARE(gaps->n(), 21);
    QCOMPARE(gaps->k(), 8);
    auto *slider = gaps->findChild<QSlider *>("sldSchritt");
    QCOMPARE(slider->minimum(), 1);
    QCOMPARE(slider->maximum(), 20);
    QCOMPARE(gaps->legendText(), QStringLiteral("Schritt 1: 8 (1×), 13 (1×)"));
    QCOMPARE(gaps->findChild<QPushButton *>("cmdAbspielen")->text(), QStringLiteral("Abspielen"));
    // The plot marks the steps of a new shortest gap: q = 2, 3, 5, 8 of
    // 8/21 = [0; 2, 1, 1, 1, 2], with their quotients.
    QList<int> marked;
    for (const numbers::NewShortest &mark : gaps->plot().marks())
        marked << int(mark.step);
    QCOMPARE(marked, QList<int>({2, 3, 5, 8}));
    QCOMPARE(gaps->plot().ratios().front(), 13.0 / 8);
    // Every control is named for screen readers.
    for (const char *name : {"frmAbstaende", "picAbstaende", "lblAbstaende", "sldSchritt",
                             "cmdAbspielen", "cmdAbstaendeSpeichern", "picVerhaeltnis"}) {
        auto *control = name == QByteArray("frmAbstaende") ? gaps : gaps->findChild<QWidget *>(name);
        QVERIFY2(control && !(control->accessibleName().isEmpty()
                              && qobject_cast<QPushButton *>(control) == nullptr),
                 name);
    }
    QCOMPARE(openGaps(*form), gaps); // again: the same window
}

void TestGaps::legendAgainstSortedPositions_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::newRow("21, 8: the start values") << 21 << 8;
    QTest::newRow("200, 77") << 200 << 77;
    QTest::newRow("89, 55: Fibonacci") << 89 << 55;
    QTest::newRow("50, 1: one side") << 50 << 1;
    QTest::newRow("2, 1") << 2 << 1;
}

void TestGaps::legendAgainstSortedPositions()
{
    QFETCH(int, n);
    QFETCH(int, k);
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    analyse(*form, n, k);
    for (int step = 1; step < n; ++step) {
        gaps->setStep(step);
        QCOMPARE(gaps->legendText(), sortedLegend(n, k, step));
        QCOMPARE(gaps->splitText(), sortedSplit(n, k, step));
        QCOMPARE(gaps->findChild<QLabel *>("lblAbstaende")->accessibleName(),
                 gaps->legendText() + "; " + gaps->splitText());
    }
}

void TestGaps::arcsInAsManyColoursAsLengths()
{
    // On the screen: each of the three colours shows exactly when a gap has
    // that place among the lengths.
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    analyse(*form, 21, 8);
    const QColor palette[] = {analysis::gapcolours::shortest, analysis::gapcolours::middle, analysis::gapcolours::longest};
    for (int step = 1; step < 21; ++step) {
        gaps->setStep(step);
        std::set<QRgb> colours;
        for (const analysis::GapArc &arc : analysis::gapArcs(21, 8, step))
            colours.insert(arc.colour.rgb());
        const QStringList lengths = sortedLegend(21, 8, step).section(u':', 1).split(u',');
        QCOMPARE(int(colours.size()), int(lengths.size()));

        const QImage image = gaps->circle().grab().toImage();
        int shown = 0;
        for (const QColor &colour : palette) {
            bool found = false;
            for (int y = 0; y < image.height() && !found; y += 2)
                for (int x = 0; x < image.width() && !found; x += 2)
                    found = image.pixelColor(x, y) == colour;
            shown += found;
        }
        QCOMPARE(shown, int(lengths.size()));
    }
}

void TestGaps::playerReachesTheLastStepAndStops()
{
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    analyse(*form, 13, 5);
    auto *play = gaps->findChild<QPushButton *>("cmdAbspielen");
    QElapsedTimer clock;
    clock.start();
    play->click();
    QVERIFY(gaps->playing());
    QCOMPARE(play->text(), QStringLiteral("Anhalten"));
    QTRY_VERIFY_WITH_TIMEOUT(!gaps->playing(), 10000);
    QCOMPARE(gaps->step(), 12);
    QCOMPARE(play->text(), QStringLiteral("Abspielen"));
    // Eleven steps at five a second.
    QVERIFY2(clock.elapsed() > 1800, qPrintable(QString::number(clock.elapsed())));
    // At the end, playing starts from the first step again.
    play->click();
    QCOMPARE(gaps->step(), 1);
    play->click();
    QVERIFY(!gaps->playing());
}

void TestGaps::keyboardAlone()
{
    const auto form = startZyklar();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
    ThreeGapsWindow *gaps = form->threeGapsWindow();
    QVERIFY(gaps && gaps->isVisible());
    auto *slider = gaps->findChild<QSlider *>("sldSchritt");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(gaps->step(), 3);
    QTest::keyClick(slider, Qt::Key_Left);
    QCOMPARE(gaps->step(), 2);
    QCOMPARE(gaps->legendText(), sortedLegend(21, 8, 2));
    QTest::keyClick(slider, Qt::Key_Space);
    QVERIFY(gaps->playing());
    QTest::keyClick(slider, Qt::Key_Space);
    QVERIFY(!gaps->playing());
    // Tab goes on to the player and the saving, which Space presses.
    QWidget *next = slider;
    QStringList stops;
    for (int i = 0; i < 2; ++i) {
        do
            next = next->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisibleTo(gaps));
        stops << next->objectName();
    }
    QCOMPARE(stops, QStringList({"cmdAbspielen", "cmdAbstaendeSpeichern"}));
}

void TestGaps::followsAnalysesOnly()
{
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    gaps->setStep(5);
    // The scroll bars move nothing here: the lesson keeps its pair.
    ui::of(*form).HScroll1->setValue(30);
    ui::of(*form).HScroll2->setValue(11);
    QTest::qWait(250);
    QCOMPARE(gaps->n(), 21);
    QCOMPARE(gaps->k(), 8);
    QCOMPARE(gaps->step(), 5);
    // A completed analysis: that pair, from step 1, in the window's boxes.
    analyse(*form, 40, 9);
    QCOMPARE(gaps->n(), 40);
    QCOMPARE(gaps->k(), 9);
    QCOMPARE(gaps->step(), 1);
    QCOMPARE(gaps->findChild<QLineEdit *>("txtAbstaendeN")->text(), QStringLiteral("40"));
    QCOMPARE(gaps->findChild<QLineEdit *>("txtAbstaendeK")->text(), QStringLiteral("9"));
    // A single-step analysis stopped at once is not completed.
    testsupport::MessageAnswers no([](const platform::Message &) { return platform::Answer::No; });
    ui::of(*form).Check1->setChecked(true);
    analyse(*form, 50, 7);
    QCOMPARE(gaps->n(), 40);
    ui::of(*form).Check1->setChecked(false);
    // A row chosen in the ranking is.
    form->findChild<QAction *>("cmdRangliste")->trigger();
    emit form->rankingWindow()->multiplierChosen(50, 21);
    QCOMPARE(gaps->n(), 50);
    QCOMPARE(gaps->k(), 21);
}

void TestGaps::opensAtTheAnalysisNotTheScrollBars()
{
    // N moved below k by its scroll bar after the analysis: the window
    // opens at the pair analysed, and any pair it is handed is one that
    // occupies every position, so every ratio is finite.
    const auto form = startZyklar();
    analyse(*form, 40, 9);
    ui::of(*form).HScroll1->setValue(5);
    ThreeGapsWindow *gaps = openGaps(*form);
    QCOMPARE(gaps->n(), 40);
    QCOMPARE(gaps->k(), 9);
    for (const auto &[n, k] : {std::pair{5, 8}, {12, 12}, {12, 8}, {1, 1}, {7, 0}}) {
        gaps->showAnalysed(n, k);
        QVERIFY(gaps->n() >= 2 && gaps->k() >= 1 && gaps->k() < gaps->n());
        QCOMPARE(std::gcd(gaps->n(), gaps->k()), 1);
        for (double ratio : gaps->plot().ratios())
            QVERIFY(std::isfinite(ratio) && ratio >= 1);
        gaps->plot().grab(); // paints, and ends
    }
}

void TestGaps::ownInputAndGoldenMultipliers_data()
{
    QTest::addColumn<QString>("nText");
    QTest::addColumn<QString>("kText");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::newRow("beyond the main window") << "100000" << "61803" << 100000 << 61803;
    QTest::newRow("N clamped") << "250000" << "3" << 100000 << 3;
    QTest::newRow("divisor cancelled") << "1000" << "250" << 4 << 1;
    QTest::newRow("k above N") << "144" << "233" << 144 << 89;
    QTest::newRow("text") << "  21x" << "8.4" << 21 << 8;
}

void TestGaps::ownInputAndGoldenMultipliers()
{
    QFETCH(QString, nText);
    QFETCH(QString, kText);
    QFETCH(int, n);
    QFETCH(int, k);
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    auto *nBox = gaps->findChild<QLineEdit *>("txtAbstaendeN");
    auto *kBox = gaps->findChild<QLineEdit *>("txtAbstaendeK");
    nBox->setText(nText);
    kBox->setText(kText);
    gaps->findChild<QPushButton *>("cmdAbstaendeAnalyse")->click();
    QCOMPARE(gaps->n(), n);
    QCOMPARE(gaps->k(), k);
    QCOMPARE(nBox->text(), QString::number(n));
    QCOMPARE(kBox->text(), QString::number(k));
    QCOMPARE(ui::of(*form).txtN->text().trimmed(), QStringLiteral("21")); // the main window stays
    // The golden buttons: the nearest multiplier coprime with N to N/φ and
    // N/φ², by brute force.
    const double phi = std::numbers::phi;
    for (const auto &[name, target] : {std::pair{"cmdGoldenerSchnitt", n / phi},
                                       std::pair{"cmdGoldenerSchnitt2", n / phi / phi}}) {
        gaps->findChild<QPushButton *>(name)->click();
        int best = 1;
        for (int candidate = 1; candidate < n; ++candidate) {
            if (std::gcd(candidate, n) == 1
                && std::abs(candidate - target) < std::abs(best - target))
                best = candidate;
        }
        QCOMPARE(gaps->k(), n == 2 ? 1 : best);
    }
}

void TestGaps::theStoryOfTheFraction()
{
    // k ≈ 200/φ leaves the golden pattern at its fifth quotient; the
    // Fibonacci button leads to 233 and 144, golden to the end.
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    auto *fraction = gaps->findChild<QLabel *>("lblKettenbruch");
    QVERIFY(fraction);
    gaps->findChild<QLineEdit *>("txtAbstaendeN")->setText("200");
    gaps->findChild<QLineEdit *>("txtAbstaendeK")->setText("123");
    gaps->findChild<QPushButton *>("cmdAbstaendeAnalyse")->click();
    const QStringList lines = fraction->text().split(u'\n');
    QCOMPARE(lines.value(0), QStringLiteral("k/N = 123/200 = [0; 1, 1, 1, 1, 2, 15]"));
    QCOMPARE(lines.value(1),
             QStringLiteral("Näherungsbrüche: 1/1, 1/2, 2/3, 3/5, 8/13, 123/200"));
    QVERIFY2(lines.value(2).contains(QStringLiteral("5. Teilnenner, 2,"))
                     && lines.value(2).contains(QStringLiteral("ab Schritt 5")),
             qPrintable(lines.value(2)));

    gaps->findChild<QPushButton *>("cmdFibonacci")->click();
    QCOMPARE(gaps->n(), 233);
    QCOMPARE(gaps->k(), 144);
    QVERIFY(fraction->text().contains(QStringLiteral("das Muster hält bis zum Ende")));
    QVERIFY(fraction->text().contains(QStringLiteral("34/55, 55/89, 144/233")));
}

void TestGaps::textForAProjector()
{
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    QVERIFY(QTest::qWaitForWindowActive(gaps));
    auto *legend = gaps->findChild<QLabel *>("lblAbstaende");
    auto *fraction = gaps->findChild<QLabel *>("lblKettenbruch");
    const double legendSize = legend->font().pointSizeF();
    const double plotSize = gaps->plot().font().pointSizeF();
    const auto scaledBy = [&](double scale) {
        return qFuzzyCompare(gaps->textScale(), scale)
                && qFuzzyCompare(legend->font().pointSizeF(), legendSize * scale)
                && qFuzzyCompare(fraction->font().pointSizeF(), legendSize * scale)
                && qFuzzyCompare(gaps->plot().font().pointSizeF(), plotSize * scale);
    };
    QTest::keyClick(gaps, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(scaledBy(1.25));
    QTest::keyClick(gaps, Qt::Key_Equal, Qt::ControlModifier);
    QVERIFY(scaledBy(1.5));
    QTest::keyClick(gaps, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(scaledBy(1.25));
    for (int i = 0; i < 10; ++i) // no further than the largest
        QTest::keyClick(gaps, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(scaledBy(std::end(ThreeGapsWindow::textScales)[-1]));
    gaps->grab(); // paints at the largest scale

    QTest::keyClick(gaps, Qt::Key_F11);
    QVERIFY(gaps->isFullScreen());
    QTest::keyClick(gaps, Qt::Key_F11);
    QVERIFY(!gaps->isFullScreen());

    // The scale is kept for the next start.
    QTest::keyClick(gaps, Qt::Key_Minus, Qt::ControlModifier);
    const double kept = gaps->textScale();
    const auto next = startZyklar();
    QVERIFY(qFuzzyCompare(openGaps(*next)->textScale(), kept));
    QTest::keyClick(gaps, Qt::Key_0, Qt::ControlModifier);
    QVERIFY(scaledBy(1));
}

// The points j·α mod 1, α = (√5 − 1)/2, as a + b·α with whole a and b,
// compared exactly: a + b·α > 0 exactly when 2a − b + b·√5 > 0.
struct GoldenNumber {
    long long a, b;
    GoldenNumber operator-(const GoldenNumber &o) const { return {a - o.a, b - o.b}; }
    GoldenNumber operator+(const GoldenNumber &o) const { return {a + o.a, b + o.b}; }
    bool operator==(const GoldenNumber &) const = default;
    int sign() const
    {
        const __int128 r = 2 * __int128(a) - b, s = b; // r + s·√5
        if (r >= 0 && s >= 0)
            return r == 0 && s == 0 ? 0 : 1;
        if (r <= 0 && s <= 0)
            return -1;
        const __int128 left = r * r, right = 5 * s * s;
        return r > 0 ? (left > right ? 1 : -1) : (right > left ? 1 : -1);
    }
    bool operator<(const GoldenNumber &o) const { return (*this - o).sign() < 0; }
    double value() const { return double(a) + double(b) * (std::sqrt(5.0) - 1) / 2; }
};

// j·α mod 1: ⌊j·α⌋ = ⌊(⌊j·√5⌋ − j)/2⌋, as j·√5 is irrational for j > 0.
GoldenNumber goldenPoint(long long j)
{
    long long root = std::llround(std::sqrt(5.0 * double(j) * double(j)));
    while (__int128(root) * root > 5 * __int128(j) * j)
        --root;
    while (__int128(root + 1) * (root + 1) <= 5 * __int128(j) * j)
        ++root;
    const long long whole = root - j >= 0 ? (root - j) / 2 : -((j - root + 1) / 2);
    return {-whole, j};
}

void TestGaps::goldenAngleAgainstAnExactModel()
{
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    gaps->findChild<QCheckBox *>("chkGoldenerWinkel")->setChecked(true);
    QVERIFY(gaps->goldenAngle());
    QVERIFY(!gaps->findChild<QLineEdit *>("txtAbstaendeK")->isEnabled());
    static const QRegularExpression gap(QStringLiteral("([0-9,]+) \\((\\d+)×\\)"));
    for (int n : {2, 13, 100, 1000, 10'000, 100'000}) {
        gaps->findChild<QLineEdit *>("txtAbstaendeN")->setText(QString::number(n));
        gaps->findChild<QPushButton *>("cmdAbstaendeAnalyse")->click();
        QCOMPARE(gaps->n(), n);
        std::vector<GoldenNumber> points{{0, 0}};
        for (int step = 1; step < n; ++step) {
            points.push_back(goldenPoint(step));
            const bool looked = step < 40 || step == n - 1 || step % 997 == 0;
            if (!looked)
                continue;
            std::vector<GoldenNumber> sorted = points;
            std::sort(sorted.begin(), sorted.end());
            std::map<GoldenNumber, int> counts;
            for (size_t i = 0; i < sorted.size(); ++i)
                ++counts[i + 1 < sorted.size() ? sorted[i + 1] - sorted[i]
                                               : GoldenNumber{1, 0} - sorted[i] + sorted[0]];
            gaps->setStep(step);
            const QString legend = gaps->legendText();
            auto found = gap.globalMatch(legend);
            for (const auto &[length, count] : counts) {
                const QRegularExpressionMatch match = found.next();
                QVERIFY2(match.captured(2).toInt() == count, qPrintable(legend));
                const double shown = match.captured(1).replace(u',', u'.').toDouble();
                QVERIFY2(std::abs(shown - length.value()) <= 6e-4 * length.value(), // four digits
                         qPrintable(legend));
            }
            QVERIFY2(!found.hasNext(), qPrintable(legend));
        }
    }
    // Its spirals are consecutive Fibonacci numbers at every size.
    gaps->findChild<QRadioButton *>("optSonnenblume")->setChecked(true);
    static const QRegularExpression spirals(QStringLiteral("(\\d+) \\(blau\\) und (\\d+)"));
    for (int n : {1000, 10'000, 100'000}) {
        gaps->findChild<QLineEdit *>("txtAbstaendeN")->setText(QString::number(n));
        gaps->findChild<QPushButton *>("cmdAbstaendeAnalyse")->click();
        gaps->setStep(n - 1);
        const QRegularExpressionMatch match = spirals.match(gaps->spiralText());
        QVERIFY2(match.hasMatch(), qPrintable(gaps->spiralText()));
        const long long low = match.captured(1).toLongLong(), high = match.captured(2).toLongLong();
        long long a = 1, b = 2;
        while (b < high)
            std::tie(a, b) = std::pair(b, a + b);
        QVERIFY2(a == low && b == high, qPrintable(gaps->spiralText()));
    }
    QVERIFY(gaps->fractionText().startsWith(QStringLiteral("α = (√5 − 1)/2 = [0; 1, 1, 1, …]")));
    // An analysis of the main window is a pair k/N again.
    analyse(*form, 21, 8);
    QVERIFY(!gaps->goldenAngle());
    QCOMPARE(gaps->k(), 8);
}

void TestGaps::crowdedStepsRunLogarithmically()
{
    // At 21, 8 the marks 2, 3, 5, 8 stand apart; at 200, 123 the golden
    // phase 1, 2, 3, 5 would overprint, so the steps run logarithmically.
    // Either way a click finds the step under it, from 1 to the last.
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    gaps->resize(900, 680);
    for (const auto &[n, k, logarithmic] : {std::tuple{21, 8, false}, std::tuple{200, 123, true},
                                           std::tuple{100000, 61803, true}}) {
        gaps->showAnalysed(n, k);
        RatioPlot &plot = gaps->plot();
        QCOMPARE(plot.logarithmicSteps(), logarithmic);
        QCOMPARE(plot.stepAt(0), 1);
        QCOMPARE(plot.stepAt(plot.width()), n - 1);
        int before = 1;
        for (int x = 0; x <= plot.width(); ++x) {
            QVERIFY(plot.stepAt(x) >= before);
            before = plot.stepAt(x);
        }
        plot.grab(); // paints
    }
    // At 200, 123 every mark is a step that a click reaches.
    gaps->showAnalysed(200, 123);
    std::set<int> reached;
    for (int x = 0; x <= gaps->plot().width(); ++x)
        reached.insert(gaps->plot().stepAt(x));
    for (const numbers::NewShortest &mark : gaps->plot().marks())
        QVERIFY(reached.count(int(mark.step)));
}

void TestGaps::savesItsCircle()
{
    QTemporaryDir folder;
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    gaps->setStep(7);
    QList<platform::SaveQuestion> asked;
    QString path = folder.filePath(QStringLiteral("abstaende.png"));
    int filter = 2; // "PNG-Bild, Bildschirmgröße"
    const platform::SaveAnswerer previous = platform::setSaveAnswerer([&](const auto &question) {
        asked << question;
        return platform::SaveAnswer{path, filter};
    });
    auto *save = gaps->findChild<QPushButton *>("cmdAbstaendeSpeichern");
    save->click();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].title, QStringLiteral("Bild speichern"));
    QCOMPARE(asked[0].proposedName, QStringLiteral("zyklar-abstaende-N21-k8-schritt7.png"));
    // The main picture's kinds and scales, and an animation of every step.
    QCOMPARE(asked[0].filters.size(), 6);
    QVERIFY(asked[0].filters.last().contains(QStringLiteral("*.gif")));
    // At the screen's size: what the window shows, the ratio plot under it
    // and a caption under both.
    const QImage shown = gaps->circle().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved.width(), std::max(shown.width(), gaps->plot().width()));
    QVERIFY(saved.height() > shown.height() + gaps->plot().height()
                    + 2 * QFontMetrics(gaps->font()).height());
    QCOMPARE(saved.copy(QRect(QPoint(0, 0), shown.size())), shown);
    // The SVG keeps the caption and the plot as text, the colour key in its
    // colours: N, k, the step, the legend and the gap just split.
    path = folder.filePath(QStringLiteral("abstaende.svg"));
    filter = 3;
    save->click();
    QVERIFY(QSvgRenderer(path).isValid());
    QFile svg(path);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    for (const QString &caption : {QStringLiteral("N = 21, k = 8, Schritt 7"),
                                   QStringLiteral("Schritt 7: "), QStringLiteral("2 (3×)"),
                                   QStringLiteral("3 (5×)"), QStringLiteral("geteilt: 5 = 3 + 2"),
                                   QStringLiteral("längste / kürzeste Lücke je Schritt")})
        QVERIFY2(text.contains(caption), qPrintable(caption));
    static const QRegularExpression shortest(
            QStringLiteral("fill=\"%1\"[^<]*>[^<]*2 \\(3×\\)")
                    .arg(analysis::gapcolours::shortest.name()));
    QVERIFY2(text.contains(shortest), "the shortest length in its blue");
    // An animation of every step, 20 of them at 21, 8.
    path = folder.filePath(QStringLiteral("abstaende.gif"));
    filter = 5;
    save->click();
    QImageReader gif(path);
    QCOMPARE(gif.imageCount(), 20);
    platform::setSaveAnswerer(previous);
}

void TestGaps::scatterPointsChooseRows()
{
    const auto form = startZyklar();
    form->cmdclear_Click();
    form->findChild<QAction *>("cmdRangliste")->trigger();
    RankingWindow *ranking = form->rankingWindow();
    ranking->show();
    QVERIFY(QTest::qWaitForWindowExposed(ranking));
    ScatterPlot *scatter = ranking->findChild<ScatterPlot *>("picStreuung");
    QVERIFY(scatter);
    QCOMPARE(scatter->chosen(), 8); // the analysed multiplier is highlighted

    // A click on the point of 5 makes its row current; a double-click
    // analyses it in the main window.
    QTest::mouseClick(scatter, Qt::LeftButton, {}, scatter->placeOf(5).toPoint());
    QCOMPARE(ranking->currentMultiplier(), 5);
    QCOMPARE(scatter->chosen(), 5);
    QTest::mouseDClick(scatter, Qt::LeftButton, {}, scatter->placeOf(5).toPoint());
    QCOMPARE(testsupport::lastLine(ui::of(*form).txtSumme->text()), QStringLiteral(" 5: 32"));
    // The keyboard: Right to the next multiplier, Enter analyses it.
    scatter->setFocus();
    QTest::keyClick(scatter, Qt::Key_Right);
    QCOMPARE(ranking->currentMultiplier(), 8);
    QTest::keyClick(scatter, Qt::Key_Return);
    QCOMPARE(testsupport::lastLine(ui::of(*form).txtSumme->text()), QStringLiteral(" 8: 38"));
}

void TestGaps::gapsVisibleAtEveryN()
{
    // On the screen of a class, the window at its size: the shortest gaps
    // of N = 200, k = 123 at step 35 (23 gaps of 1) are there in blue.
    testsupport::ScreenSize screen(1366, 768);
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    analyse(*form, 200, 123);
    gaps->setStep(35);
    QCOMPARE(gaps->legendText().section(u',', 0, 0), QStringLiteral("Schritt 35: 1 (23×)"));
    const QImage image = gaps->circle().grab().toImage();
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            blue += image.pixelColor(x, y) == analysis::gapcolours::shortest;
    QVERIFY2(blue > 23 * 10, qPrintable(QString::number(blue)));
    // A gap of 1 keeps two thirds of its arc at least, and its arc is
    // pixels long.
    const analysis::RingGeometry ring = analysis::ringGeometry(gaps->circle().size(), 200);
    QVERIFY(ring.visibleLength(1) >= 2.0 / 3 * ring.spacing);
    QVERIFY(ring.visibleLength(1) >= 4);

    // At N = 100000, at every step, the shortest gap shows wherever its arc
    // is longer than two pixels: the markers cover a third of the spacing
    // at most, or one pixel.
    for (int n : {21, 200, 1000, 100000}) {
        const analysis::RingGeometry at = analysis::ringGeometry(gaps->circle().size(), n);
        QVERIFY(at.markerReach <= std::max(at.spacing / 6, 0.5));
        numbers::Occupation steps{numbers::u64(n), numbers::u64(std::lround(n / std::numbers::phi))};
        for (int step = 1; step < n; ++step) {
            steps.advance();
            const numbers::u64 shortest = numbers::gapsOf(steps).shortest().length;
            const double arc = double(shortest) * at.spacing;
            if (arc > 2 && at.visibleLength(shortest) < arc - std::max(at.spacing / 3, 1.0))
                QFAIL(qPrintable(QStringLiteral("N = %1, step %2").arg(n).arg(step)));
        }
    }
}

void TestGaps::quotientsLabelTheirStretches_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::newRow("200, 3: one quotient of 66") << 200 << 3;
    QTest::newRow("200, 123: the last quotient 15") << 200 << 123;
    QTest::newRow("21, 8") << 21 << 8;
    QTest::newRow("987, 610: Fibonacci, crowded") << 987 << 610;
    QTest::newRow("99991, 38197") << 99991 << 38197;
}

void TestGaps::quotientsLabelTheirStretches()
{
    QFETCH(int, n);
    QFETCH(int, k);
    // The stretches against their definition: a new shortest gap appears
    // at the ends of the stretches, and a_j = (q_j − q_{j−2}) / q_{j−1}.
    std::vector<int> newShortest{1};
    numbers::Occupation steps{numbers::u64(n), numbers::u64(k)};
    numbers::u64 shortest = numbers::u64(n);
    for (int step = 1; step < n; ++step) {
        steps.advance();
        const numbers::u64 now = numbers::gapsOf(steps).shortest().length;
        if (now < shortest && step > 1)
            newShortest.push_back(step);
        shortest = now;
    }
    const auto stretches = numbers::quotientStretches(numbers::u64(n), numbers::u64(k));
    QVERIFY(!stretches.empty());
    std::vector<int> ends{1};
    numbers::u64 before = 0;
    for (const numbers::QuotientStretch &s : stretches) {
        QCOMPARE(s.from, numbers::u64(ends.back()));
        if (s.to < numbers::u64(n - 1) || &s != &stretches.back())
            QCOMPARE(numbers::Wide(s.to), s.quotient * s.from + before);
        before = s.from;
        if (s.to != s.from)
            ends.push_back(int(s.to));
    }
    QCOMPARE(stretches.back().to, numbers::u64(n - 1)); // the last quotient is shown too
    ends.pop_back();
    QCOMPARE(ends, newShortest);

    // On the plot, at a small and a wide size: labels never overlap, the
    // largest quotient always shows, and with room every one does.
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    gaps->showAnalysed(n, k);
    RatioPlot &plot = gaps->plot();
    numbers::Wide largest = 0;
    for (const auto &s : stretches)
        largest = std::max(largest, s.quotient);
    for (int width : {260, 900, 4000}) {
        plot.resize(width, 220);
        const QList<numbers::Wide> shown = plot.shownQuotients();
        QVERIFY(shown.contains(largest));
        if (n == 21 && width >= 900)
            QCOMPARE(shown.size(), int(stretches.size()));
    }
    const std::vector<drawing::AxisLabel> crowded{{10, 20}, {15, 20}, {22, 20}, {60, 20}};
    const std::vector<int> rows = drawing::placeLabels(crowded, 2);
    QCOMPARE(rows, (std::vector<int>{0, 1, -1, 0}));
}

void TestGaps::parastichiesAreConvergentDenominators()
{
    // The spiral numbers the sunflower names, for every multiplier of every
    // third N up to 300, at three steps of ten seeds or more: denominators of
    // convergents or intermediate fractions of k/N, in two directions (not
    // multiples of each other).
    int checked = 0;
    for (int n = 30; n <= 300; n += 3) {
        for (int k = 1; k < n; ++k) {
            if (std::gcd(n, k) != 1)
                continue;
            const std::set<int> denominators = convergentDenominators(n, k);
            for (int step : {n / 3, n / 2, n - 1}) {
                const analysis::Parastichies found = analysis::parastichies(n, k, step);
                QVERIFY(found.first);
                QVERIFY(denominators.count(*found.first));
                if (!found.second)
                    continue;
                QVERIFY(denominators.count(*found.second));
                QVERIFY(*found.first < *found.second);
                QVERIFY(*found.second % *found.first != 0);
                ++checked;
            }
        }
    }
    QVERIFY(checked > 10000);
}

void TestGaps::sunflowerOfFibonacci()
{
    // N = 144, k = 89: the class sees Fibonacci numbers.
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    gaps->showAnalysed(144, 89);
    gaps->findChild<QRadioButton *>("optSonnenblume")->click();
    QCOMPARE(gaps->circle().view(), GapCircle::View::Sunflower);
    gaps->setStep(143);
    QCOMPARE(gaps->spiralText(), QStringLiteral("Spiralen: 21 (blau) und 34 (orange)"));
    auto *spirals = gaps->findChild<QLabel *>("lblSpiralen");
    QCOMPARE(spirals->accessibleName(), gaps->spiralText());
    QVERIFY(spirals->text().contains(analysis::gapcolours::spirals[0].name())
            && spirals->text().contains(analysis::gapcolours::spirals[1].name()));
    // The picture is the sunflower's, and says so.
    QVERIFY(gaps->title().startsWith(QStringLiteral("Zyklar, Sonnenblume: N = 144, k = 89")));
    QVERIFY(gaps->findChild<QLabel *>("lblAbstaende")->text().contains(QStringLiteral("Vogel")));
    const QSet<int> fibonacci{1, 2, 3, 5, 8, 13, 21, 34, 55, 89};
    for (int step = 10; step < 144; ++step) {
        gaps->setStep(step);
        const analysis::Parastichies families = analysis::parastichies(144, 89, step);
        QVERIFY(fibonacci.contains(*families.first) && fibonacci.contains(*families.second));
    }
    QVERIFY(gaps->proposedName().startsWith(QStringLiteral("zyklar-sonnenblume-N144-k89")));
    gaps->findChild<QRadioButton *>("optKreis")->click();
    QCOMPARE(gaps->circle().view(), GapCircle::View::Circle);
    QVERIFY(gaps->findChild<QLabel *>("lblSpiralen")->text().isEmpty());
}

void TestGaps::focusSpaceAndSpeed()
{
    const auto form = startZyklar();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
    ThreeGapsWindow *gaps = form->threeGapsWindow();
    QVERIFY(QTest::qWaitForWindowActive(gaps));
    auto *slider = gaps->findChild<QSlider *>("sldSchritt");
    QTRY_COMPARE(QApplication::focusWidget(), slider);
    // A click on a button leaves the focus on the slider, and the save
    // dialog, cancelled, gives it back: Space plays, never saves.
    int asked = 0;
    const platform::SaveAnswerer previous = platform::setSaveAnswerer([&](const auto &) {
        ++asked;
        return platform::SaveAnswer{};
    });
    for (const char *name : {"cmdAbstaendeSpeichern", "cmdAbspielen", "cmdAbstaendeAnalyse",
                             "cmdGoldenerSchnitt", "cmdGoldenerSchnitt2"})
        QCOMPARE(gaps->findChild<QPushButton *>(name)->focusPolicy(), Qt::TabFocus);
    QTest::mouseClick(gaps->findChild<QPushButton *>("cmdAbstaendeSpeichern"), Qt::LeftButton);
    QCOMPARE(asked, 1);
    QCOMPARE(QApplication::focusWidget(), slider);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(gaps->playing());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!gaps->playing());
    QCOMPARE(asked, 1);
    platform::setSaveAnswerer(previous);
    // Back from the main window: the slider again.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    gaps->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(gaps));
    QTRY_COMPARE(QApplication::focusWidget(), slider);

    // The speed: 1 to 20 steps a second.
    auto *speed = gaps->findChild<QSlider *>("sldTempo");
    QCOMPARE(speed->minimum(), 1);
    QCOMPARE(speed->maximum(), 20);
    speed->setValue(20);
    QCOMPARE(gaps->speed(), 20);
    QElapsedTimer clock;
    clock.start();
    gaps->findChild<QPushButton *>("cmdAbspielen")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!gaps->playing(), 5000);
    QVERIFY2(clock.elapsed() < 1800, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(gaps->step(), 20);

    // A click in the ratio plot chooses that step.
    RatioPlot &plot = gaps->plot();
    for (int step : {3, 11, 17}) {
        int x = 0;
        while (x < plot.width() && plot.stepAt(x) < step)
            ++x;
        QTest::mouseClick(&plot, Qt::LeftButton, {}, QPoint(x + 1, plot.height() / 2));
        QCOMPARE(gaps->step(), step);
    }
}

void TestGaps::windowsStayInView()
{
    // Both windows are transient for the main window.
    const auto form = startZyklar();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    ThreeGapsWindow *gaps = openGaps(*form);
    form->findChild<QAction *>("cmdRangliste")->trigger();
    for (QWidget *window : {static_cast<QWidget *>(gaps), static_cast<QWidget *>(form->rankingWindow())}) {
        QVERIFY(window->windowHandle());
        QCOMPARE(window->windowHandle()->transientParent(), form->windowHandle());
        const QRect available = form->screen()->availableGeometry();
        QVERIFY2(available.contains(window->geometry()), qPrintable(window->objectName()));
    }

    // On 1366 × 768 with the main window filling it: at the right edge,
    // clear of the boxes for N and k, within the screen.
    const QRect screen(0, 0, 1366, 740);
    const QRect input(55, 60, 350, 50);
    for (QSize wanted : {QSize(900, 680), QSize(980, 680), QSize(1600, 900)}) {
        const QRect placed = platform::placeBeside(screen, QRect(0, 0, 1366, 768), input, wanted);
        QVERIFY(screen.contains(placed));
        QVERIFY(!placed.intersects(input));
        QVERIFY(placed.width() >= std::min(wanted.width(), 900));
        QVERIFY(placed.height() >= 500);
    }
    // With room beside the main window, beside it.
    const QRect beside = platform::placeBeside(QRect(0, 0, 2560, 1440), QRect(0, 0, 1366, 768),
                                               input, QSize(900, 680));
    QCOMPARE(beside.topLeft(), QPoint(1366, 0));
}

void TestGaps::scatterPlotsTheChosenFigure()
{
    const auto form = startZyklar();
    form->findChild<QAction *>("cmdRangliste")->trigger();
    RankingWindow *ranking = form->rankingWindow();
    ScatterPlot *scatter = ranking->findChild<ScatterPlot *>("picStreuung");
    QCOMPARE(scatter->figure(), QStringLiteral("Anteil"));
    QCOMPARE(scatter->toolTipAt(scatter->placeOf(8)), QStringLiteral("k = 8: Anteil 0,7755"));
    QVERIFY(scatter->toolTipAt(QPointF(-50, -50)).isEmpty());
    auto *order = ranking->findChild<QComboBox *>("cboRangfolge");
    const QString expected[] = {"Anteil", "Spektraltest f₂", "Zaremba", "Lückenverhältnis",
                                "größter Teilnenner", "Gütemaß M₈"};
    for (int choice = 0; choice < order->count(); ++choice) {
        order->setCurrentIndex(choice);
        QCOMPARE(scatter->figure(), expected[choice]);
    }
    QVERIFY(scatter->toolTipAt(scatter->placeOf(8)).startsWith(QStringLiteral("k = 8: Gütemaß M₈ ")));
}

QTEST_MAIN(TestGaps)
#include "tst_gaps.moc"
