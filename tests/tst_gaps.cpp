// The window "Drei Abstände" driven as a user drives it: opened from
// "Extras", its legend against the sorted positions, its arcs in as many
// colours as there are lengths, the slider and the player, following the
// main window, and saving its circle; and the ranking window's scatter
// plot, whose points choose rows.

#include "app/application.h"
#include "app/form1.h"
#include "formcontrols.h"
#include "gaps/gapcircle.h"
#include "gaps/ratioplot.h"
#include "gaps/threegapswindow.h"
#include "platform/filedialog.h"
#include "ranking/rankingwindow.h"
#include "ranking/scatterplot.h"
#include "testsupport.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSvgRenderer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <numeric>
#include <set>

namespace {

ThreeGapsWindow *openGaps(Form1 &form)
{
    form.findChild<QAction *>("cmdDreiAbstaende")->trigger();
    return form.findChild<ThreeGapsWindow *>("frmAbstaende");
}

void analyse(Form1 &form, int n, int k)
{
    ui::txtN(form)->setText(QString::number(n));
    ui::txtk(form)->setText(QString::number(k));
    ui::Command2(form)->click();
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
    void followsTheMainWindow();
    void savesItsCircle();
    void scatterPointsChooseRows();

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
        QCOMPARE(gaps->findChild<QLabel *>("lblAbstaende")->accessibleName(), gaps->legendText());
    }
}

void TestGaps::arcsInAsManyColoursAsLengths()
{
    // On the screen: each of the three colours shows exactly when a gap has
    // that place among the lengths.
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    analyse(*form, 21, 8);
    const QColor palette[] = {gapcolours::shortest, gapcolours::middle, gapcolours::longest};
    for (int step = 1; step < 21; ++step) {
        gaps->setStep(step);
        std::set<QRgb> colours;
        for (const GapArc &arc : gapArcs(21, 8, step))
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

void TestGaps::followsTheMainWindow()
{
    const auto form = startZyklar();
    ThreeGapsWindow *gaps = openGaps(*form);
    gaps->setStep(5);
    // N moves: its best multiplier by the sum, from step 1.
    ui::HScroll1(*form)->setValue(30);
    QTRY_COMPARE(gaps->n(), 30);
    QCOMPARE(gaps->k(), 11);
    QCOMPARE(gaps->step(), 1);
    // An analysis: that pair.
    analyse(*form, 40, 9);
    QCOMPARE(gaps->n(), 40);
    QCOMPARE(gaps->k(), 9);
    // Back to the analysed N: the analysed multiplier again.
    ui::HScroll1(*form)->setValue(41);
    ui::HScroll1(*form)->setValue(40);
    QTRY_COMPARE(gaps->n(), 40);
    QTRY_COMPARE(gaps->k(), 9);
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
    QCOMPARE(asked[0].filters.size(), 5); // the main picture's kinds and scales
    // At the screen's size: what the window shows.
    QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32),
             gaps->circle().grab().toImage().convertToFormat(QImage::Format_RGB32));
    path = folder.filePath(QStringLiteral("abstaende.svg"));
    filter = 3;
    save->click();
    QVERIFY(QSvgRenderer(path).isValid());
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
    QCOMPARE(testsupport::lastLine(ui::txtSumme(*form)->text()), QStringLiteral(" 5: 32"));
    // The keyboard: Right to the next multiplier, Enter analyses it.
    scatter->setFocus();
    QTest::keyClick(scatter, Qt::Key_Right);
    QCOMPARE(ranking->currentMultiplier(), 8);
    QTest::keyClick(scatter, Qt::Key_Return);
    QCOMPARE(testsupport::lastLine(ui::txtSumme(*form)->text()), QStringLiteral(" 8: 38"));
}

QTEST_MAIN(TestGaps)
#include "tst_gaps.moc"
