// The analysis: occupation order, gaps, minimal distances and permutation in
// the five result boxes, the drawing of star and spokes, and single steps.

#include "formcontrols.h"
#include "form/analysecommand.h"
#include "analysis/starsandspokes.h"
#include "app/application.h"
#include "app/form1.h"
#include "analysis/ring.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <numeric>

using testsupport::colourAround;
using testsupport::columns;
using testsupport::lines;

namespace {

std::unique_ptr<Form1> analysed(int n, int k, bool clearFirst = true)
{
    auto form = startZyklar();
    if (clearFirst)
        form->cmdclear_Click();
    ui::of(*form).txtN->setText(QString::number(n));
    ui::of(*form).txtk->setText(QString::number(k));
    ui::of(*form).Command2->click();
    return form;
}

} // namespace

class TestAnalyseCommand : public QObject
{
    Q_OBJECT
private slots:
    void resultBoxes_data();
    void resultBoxes();
    void twoHundredPositions();
    void twoAnalysesCollectRows();
    void singleStepStopped_data();
    void singleStepStopped();
    void singleStepAnsweredJaRunsToTheEnd();
    void starDrawsTheStarPolygon();
    void spokesGrowInColour();

    void boxesAgreeWithEachOther();

private:
    testsupport::ScreenSize m_screen{1024, 768};
    testsupport::MessageAnswers m_answers;
};

void TestAnalyseCommand::resultBoxes_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("folge");
    QTest::addColumn<QString>("abs");
    QTest::addColumn<QString>("abstand");
    QTest::addColumn<QString>("summe");
    QTest::addColumn<QString>("ausgabe");
    QTest::newRow("N = 7, k = 3") << 7 << 3 << "  1   4   7   3   6   2   5 "
                                  << " 3- 4\r\n 3- 1\r\n 2- 1\r\n 2- 1\r\n 1- 1\r\n 1- 1\r\n"
                                  << "  7  3  1  1  1  1  1\r\n"
                                  << " 3: 8\r\n"
                                  << "  1  6  4  2  7  5  3\r\n";
    QTest::newRow("N = 2, k = 1") << 2 << 1 << "  1   2 " << " 1- 1\r\n" << "  2  1\r\n"
                                  << " 1: 1\r\n" << "  1  2\r\n";
    QTest::newRow("N = 21, k = 8: the start values")
            << 21 << 8 << "" << "" << " 21  8  5  3  3  2  2  2" + QString("  1").repeated(13) + "\r\n"
            << " 8: 38\r\n" << "";
}

void TestAnalyseCommand::resultBoxes()
{
    QFETCH(int, n);
    QFETCH(int, k);
    QFETCH(QString, folge);
    QFETCH(QString, abs);
    QFETCH(QString, abstand);
    QFETCH(QString, summe);
    QFETCH(QString, ausgabe);
    const auto form = analysed(n, k);
    if (!folge.isEmpty()) {
        QCOMPARE(ui::of(*form).txtFolge->text(), folge);
        QCOMPARE(ui::of(*form).txtAbs->text(), abs);
        QCOMPARE(ui::of(*form).txtAusgabe->text(), ausgabe);
    }
    QCOMPARE(ui::of(*form).txtAbstand->text(), abstand);
    QCOMPARE(ui::of(*form).txtSumme->text(), summe);
    QCOMPARE(ui::of(*form).txtKopf->text().size(), 3 * n);
}

void TestAnalyseCommand::twoHundredPositions()
{
    const auto form = analysed(200, 77);
    QCOMPARE(ui::of(*form).txtAbstand->text().size(), 600 + 2);
    QCOMPARE(ui::of(*form).txtAusgabe->text().size(), 600 + 2);
    QCOMPARE(ui::of(*form).txtFolge->text().size(), 800);
    QCOMPARE(lines(ui::of(*form).txtAbs->text()).size(), 199);
}

void TestAnalyseCommand::twoAnalysesCollectRows()
{
    auto form = analysed(7, 3);
    ui::of(*form).txtN->setText(QStringLiteral("2"));
    ui::of(*form).txtk->setText(QStringLiteral("1"));
    ui::of(*form).Command2->click();
    QCOMPARE(ui::of(*form).txtAbstand->text(), QStringLiteral("  7  3  1  1  1  1  1\r\n  2  1\r\n"));
    QCOMPARE(ui::of(*form).txtSumme->text(), QStringLiteral(" 3: 8\r\n 1: 1\r\n"));
    QCOMPARE(ui::of(*form).txtAusgabe->text(), QStringLiteral("  1  6  4  2  7  5  3\r\n  1  2\r\n"));
    QCOMPARE(ui::of(*form).txtAbs->text(), QStringLiteral(" 1- 1\r\n"));
    QCOMPARE(ui::of(*form).txtFolge->text(), QStringLiteral("  1   2 "));
}

void TestAnalyseCommand::singleStepStopped_data()
{
    QTest::addColumn<int>("stopAt");
    QTest::newRow("Nein at step 1") << 1;
    QTest::newRow("Nein at step 3") << 3;
    QTest::newRow("Nein at the last step, 20") << 20;
}

void TestAnalyseCommand::singleStepStopped()
{
    QFETCH(int, stopAt);
    auto form = startZyklar(); // one completed analysis of 21, 8
    const QString summe = ui::of(*form).txtSumme->text();
    const QString ausgabe = ui::of(*form).txtAusgabe->text();
    const QString abstand = ui::of(*form).txtAbstand->text();

    int asked = 0;
    testsupport::MessageAnswers answers([&](const platform::Message &) {
        return ++asked == stopAt ? platform::Answer::No : platform::Answer::Yes;
    });
    ui::of(*form).Check1->setChecked(true);
    ui::of(*form).Command2->click();

    QCOMPARE(answers.asked.size(), stopAt);
    QCOMPARE(answers.asked[0].text, QStringLiteral(" 1. Schritt, weiter?"));
    QCOMPARE(answers.asked[0].title, QStringLiteral("Einzelschritt"));
    QCOMPARE(answers.asked[0].buttons, platform::Message::Buttons::YesNo);
    QCOMPARE(answers.asked.last().text, QStringLiteral(" %1. Schritt, weiter?").arg(stopAt));
    QCOMPARE(lines(ui::of(*form).txtAbs->text()).size(), stopAt - 1);
    QCOMPARE(ui::of(*form).txtFolge->text().size(), 4 * stopAt);
    QVERIFY(ui::of(*form).txtAbstand->text().startsWith(abstand));
    QCOMPARE(ui::of(*form).txtAbstand->text().mid(abstand.size()).size(), 3 * stopAt); // unfinished row
    QCOMPARE(ui::of(*form).txtSumme->text(), summe);
    QCOMPARE(ui::of(*form).txtAusgabe->text(), ausgabe);

    // The next analysis continues the unfinished row on the same line.
    ui::of(*form).Check1->setChecked(false);
    ui::of(*form).Command2->click();
    QCOMPARE(lines(ui::of(*form).txtAbstand->text()).size(), 2);
    QCOMPARE(lines(ui::of(*form).txtAbstand->text()).last().size(), 3 * stopAt + 3 * 21);
}

void TestAnalyseCommand::singleStepAnsweredJaRunsToTheEnd()
{
    auto form = startZyklar();
    form->cmdclear_Click();
    testsupport::MessageAnswers answers(
            [](const platform::Message &) { return platform::Answer::Yes; });
    ui::of(*form).Check1->setChecked(true);
    ui::of(*form).txtN->setText(QStringLiteral("7"));
    ui::of(*form).txtk->setText(QStringLiteral("3"));
    ui::of(*form).Command2->click();
    QCOMPARE(answers.asked.size(), 6);
    QCOMPARE(ui::of(*form).txtSumme->text(), QStringLiteral(" 3: 8\r\n"));
}

static QPoint pixelAt(const Form1 &form, QPointF user)
{
    return ui::of(form).Picture1->toPixel(user.x(), user.y()).toPoint();
}

void TestAnalyseCommand::starDrawsTheStarPolygon()
{
    const auto form = analysed(7, 3);
    const QImage image = ui::of(*form).Picture1->image();
    const double step = 6.283 / 7;
    const int order[] = {0, 3, 6, 2, 5, 1, 4, 0};
    for (int i = 1; i <= 7; ++i) {
        // Midway along the chord from the previous position to this one; the
        // closing chord belongs to the last step.
        const QPointF from = analysis::pointAt(0.75, order[i - 1] * step);
        const QPointF to = analysis::pointAt(0.75, order[i] * step);
        const QColor colour = analysis::stepColour(std::min(i, 6), 7);
        for (double t : {0.3, 0.5, 0.7})
            QVERIFY2(colourAround(image, pixelAt(*form, from + t * (to - from)), colour, 1),
                     qPrintable(QStringLiteral("chord %1 at %2").arg(i).arg(t)));
    }
    // A yellow dot at every position, and no spoke from the centre.
    const double radius = 0.03 / 2.64 * ui::of(*form).Picture1->drawingArea().width();
    for (int p = 0; p < 7; ++p) {
        const QPointF at = ui::of(*form).Picture1->toPixel(analysis::pointAt(0.85, p * step).x(),
                                                   analysis::pointAt(0.85, p * step).y());
        QVERIFY(colourAround(image, (at + QPointF(radius, 0)).toPoint(), QColor(255, 255, 0), 1));
    }
    QVERIFY(!colourAround(image, pixelAt(*form, {0, 0.4}), QColor(255, 0, 0), 2));
}

void TestAnalyseCommand::spokesGrowInColour()
{
    auto form = startZyklar();
    ui::of(*form).Option2->setChecked(true);
    QVERIFY(!ui::of(*form).Option1->isChecked());
    ui::of(*form).txtN->setText(QStringLiteral("7"));
    ui::of(*form).txtk->setText(QStringLiteral("3"));
    ui::of(*form).Command2->click(); // N changes: the picture starts cleared
    const QImage image = ui::of(*form).Picture1->image();
    const double step = 6.283 / 7;
    QVERIFY(colourAround(image, pixelAt(*form, analysis::pointAt(0.4, 0)), QColor(255, 0, 0), 1));
    const int order[] = {0, 3, 6, 2, 5, 1, 4};
    int previousGreen = 0;
    for (int i = 1; i < 7; ++i) {
        const QColor colour = analysis::stepColour(i, 7);
        QVERIFY(colourAround(image, pixelAt(*form, analysis::pointAt(0.4, order[i] * step)), colour, 1));
        QVERIFY(colour.green() > previousGreen);
        previousGreen = colour.green();
    }
    // No chords: the middle of the first chord stays background.
    const QPointF chordMiddle = (analysis::pointAt(0.75, 0) + analysis::pointAt(0.75, 3 * step)) / 2;
    QVERIFY(!colourAround(image, pixelAt(*form, chordMiddle), analysis::stepColour(1, 7), 1));
}

void TestAnalyseCommand::boxesAgreeWithEachOther()
{
    // Through the real window, for every N with a few multipliers each.
    auto form = startZyklar();
    for (int n = 2; n <= 200; ++n) {
        QList<int> multipliers{1, n - 1};
        for (int k = n / 2; k < n; ++k) {
            if (std::gcd(n, k) == 1) {
                multipliers << k;
                break;
            }
        }
        for (int k : multipliers) {
            form->cmdclear_Click();
            ui::of(*form).txtN->setText(QString::number(n));
            ui::of(*form).txtk->setText(QString::number(k));
            form->Command2_Click();

            QList<int> order;
            for (const QString &entry : ui::of(*form).txtFolge->text().split(u' ', Qt::SkipEmptyParts))
                order << entry.toInt();
            const QList<int> permutation = columns(lines(ui::of(*form).txtAusgabe->text()).first());
            QCOMPARE(order.size(), n);
            QCOMPARE(permutation.size(), n);
            // The permutation row is the inverse of the order: position p
            // was occupied at step permutation[p].
            for (int step = 1; step <= n; ++step)
                QCOMPARE(permutation[order[step - 1] - 1], step);

            const QList<int> minimal = columns(lines(ui::of(*form).txtAbstand->text()).first());
            QCOMPARE(minimal.first(), n);
            const int sum = std::accumulate(minimal.begin() + 1, minimal.end(), 0);
            QCOMPARE(lines(ui::of(*form).txtSumme->text()).first(),
                     QStringLiteral(" %1: %2").arg(k).arg(sum));
            if ((k * k) % n == 1 % n)
                QCOMPARE(permutation, order);
        }
    }
}

QTEST_MAIN(TestAnalyseCommand)
#include "tst_analysecommand.moc"
