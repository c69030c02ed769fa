// The whole program as a user meets it: the window right after start-up,
// the scenarios a user runs, each through real clicks and real message
// boxes, and a long randomised session that must never lose a row.

#include "formcontrols.h"
#include "app/application.h"
#include "app/form1.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStyle>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <numeric>

using testsupport::colourAround;
using testsupport::columns;
using testsupport::lastLine;

namespace {

qsizetype lineCount(const QString &text)
{
    return text.count(u'\n');
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startUpAsAUserSeesIt();
    void moveNWithTheScrollBarAndAnalyse();
    void typeAMultiplierWithACommonDivisor();
    void switchToSpokes();
    void zoomSmallerTwiceThenFullScreen();
    void singleStepAFewStepsAndStop();
    void clearWithEachButtonAndAllesLoeschen();
    void drawFreehandAndClearIt();

    void randomisedSession();

private:
    void showWindow();
    std::unique_ptr<Form1> m_form;
    std::optional<testsupport::ScreenSize> m_screen;
};

void TestEndToEnd::init()
{
    m_screen.emplace(1024, 768);
    m_form = startZyklar();
}

void TestEndToEnd::cleanup()
{
    m_form.reset();
    m_screen.reset();
}

void TestEndToEnd::showWindow()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestEndToEnd::startUpAsAUserSeesIt()
{
    Form1 &form = *m_form;
    QCOMPARE(ui::of(form).txtN->text(), QStringLiteral(" 21"));
    QCOMPARE(ui::of(form).txtk->text(), QStringLiteral(" 8"));
    QCOMPARE(ui::of(form).HScroll1->value(), 21);
    QCOMPARE(ui::of(form).HScroll2->value(), 8);
    QVERIFY(ui::of(form).Option1->isChecked() && !ui::of(form).Option2->isChecked());
    QVERIFY(!ui::of(form).Check1->isChecked());
    QCOMPARE(ui::of(form).txtSchub2->text(), QStringLiteral("  k:  Summe"));
    QCOMPARE(ui::of(form).txtSumme->text(), QStringLiteral(" 8: 38\r\n"));
    QCOMPARE(lineCount(ui::of(form).txtAbstand->text()), 1);
    QCOMPARE(lineCount(ui::of(form).txtAusgabe->text()), 1);
    QCOMPARE(lineCount(ui::of(form).txtAbs->text()), 20);
    QCOMPARE(ui::of(form).txtKopf->text().size(), 63);

    showWindow();
    // The picture holds the first analysis: the yellow dot of position 0.
    const QImage shown = ui::of(form).Picture1->grab().toImage();
    const double radius = 0.03 / 2.64 * ui::of(form).Picture1->drawingArea().width();
    QVERIFY(colourAround(shown, testsupport::widgetPoint(*ui::of(form).Picture1, 0, 0.85) + QPoint(qRound(radius), 0),
                         QColor(255, 255, 0), 1));
    // The editors show what the boxes hold.
    QCOMPARE(qobject_cast<QLineEdit *>(ui::of(form).txtN->editor())->text(), QStringLiteral(" 21"));
}

void TestEndToEnd::moveNWithTheScrollBarAndAnalyse()
{
    showWindow();
    Form1 &form = *m_form;
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(ui::of(form).HScroll1, Qt::LeftButton, {}, testsupport::scrollBarPart(*ui::of(form).HScroll1, QStyle::SC_ScrollBarAddLine).center());
    QCOMPARE(ui::of(form).HScroll1->value(), 23);
    QCOMPARE(ui::of(form).txtN->text(), QStringLiteral("23"));
    QCOMPARE(ui::of(form).txtKopf->text().size(), 69);

    QTest::mouseClick(ui::of(form).Command2, Qt::LeftButton);
    QCOMPARE(form.selection().n, 23);
    QCOMPARE(ui::of(form).txtN->text(), QStringLiteral(" 23")); // the bar stood there already
    QCOMPARE(lineCount(ui::of(form).txtSumme->text()), 2);
    QVERIFY(lastLine(ui::of(form).txtSumme->text()).startsWith(u" 8:"));
}

void TestEndToEnd::typeAMultiplierWithACommonDivisor()
{
    showWindow();
    Form1 &form = *m_form;
    auto *k = qobject_cast<QLineEdit *>(ui::of(form).txtk->editor());
    k->selectAll();
    QTest::keyClicks(k, QStringLiteral("6"));
    testsupport::clickInNextModalBox(QStringLiteral("OK"));
    QTest::mouseClick(ui::of(form).Command2, Qt::LeftButton);
    QCOMPARE(ui::of(form).txtN->text(), QStringLiteral("7"));
    QCOMPARE(ui::of(form).txtk->text(), QStringLiteral("2"));
    QCOMPARE(ui::of(form).HScroll1->value(), 7);
    QCOMPARE(ui::of(form).HScroll2->value(), 2);
    QCOMPARE(lastLine(ui::of(form).txtAusgabe->text()).size(), 21);
}

void TestEndToEnd::switchToSpokes()
{
    showWindow();
    Form1 &form = *m_form;
    QTest::mouseClick(ui::of(form).Option2, Qt::LeftButton, {}, QPoint(6, ui::of(form).Option2->height() / 2));
    QVERIFY(ui::of(form).Option2->isChecked() && !ui::of(form).Option1->isChecked());
    ui::of(form).Command1->click();
    QTest::mouseClick(ui::of(form).Command2, Qt::LeftButton);
    // The red first spoke runs straight down from the centre.
    QVERIFY(colourAround(ui::of(form).Picture1->image(), ui::of(form).Picture1->toPixel(0, 0.4).toPoint(),
                         QColor(255, 0, 0), 1));
}

void TestEndToEnd::zoomSmallerTwiceThenFullScreen()
{
    testsupport::MessageAnswers answers;
    Form1 &form = *m_form;
    for (const char *item : {"cmdgroesser", "cmdgroesser", "cmdBildschirm"})
        form.findChild<QAction *>(item)->trigger();
    QCOMPARE(lineCount(ui::of(form).txtSumme->text()), 4); // start-up and one per zoom
    QCOMPARE(lineCount(ui::of(form).txtAbstand->text()), 4);
    QCOMPARE(form.zoomFactor, 1.0);
    QCOMPARE(form.frameGeometry(), QRect(0, 0, 1024, 768));
}

void TestEndToEnd::singleStepAFewStepsAndStop()
{
    showWindow();
    Form1 &form = *m_form;
    QTest::mouseClick(ui::of(form).Check1, Qt::LeftButton, {}, QPoint(6, ui::of(form).Check1->height() / 2));
    QVERIFY(ui::of(form).Check1->isChecked());
    // Ja, Ja, Ja, then Nein: real modal boxes answered one after another.
    QStringList answers{"Ja", "Ja", "Ja", "Nein"};
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, &answerer, [&] {
        if (answers.isEmpty())
            return;
        if (auto *box = QApplication::activeModalWidget()) {
            for (auto *button : box->findChildren<QAbstractButton *>()) {
                if (button->text() == answers.first()) {
                    answers.removeFirst();
                    button->click();
                    return;
                }
            }
        }
    });
    answerer.start(10);
    QTest::mouseClick(ui::of(form).Command2, Qt::LeftButton);
    QVERIFY(answers.isEmpty());
    QCOMPARE(lineCount(ui::of(form).txtAbs->text()), 3);
    QCOMPARE(ui::of(form).txtFolge->text(), QStringLiteral("  1   9  17   4 "));
    QCOMPARE(lineCount(ui::of(form).txtSumme->text()), 1);
}

void TestEndToEnd::clearWithEachButtonAndAllesLoeschen()
{
    showWindow();
    Form1 &form = *m_form;
    QTest::mouseClick(ui::of(form).Command3, Qt::LeftButton);
    QCOMPARE(ui::of(form).txtAusgabe->text(), QString());
    QTest::mouseClick(ui::of(form).Command4, Qt::LeftButton);
    QCOMPARE(ui::of(form).txtAbstand->text(), QString());
    QCOMPARE(ui::of(form).txtSumme->text(), QString());
    QVERIFY(!ui::of(form).txtAbs->text().isEmpty());
    QTest::mouseClick(ui::of(form).Command1, Qt::LeftButton);
    QCOMPARE(ui::of(form).Picture1->image().pixelColor(ui::of(form).Picture1->toPixel(0, 0.85).toPoint()), QColor(0, 0, 128));
    form.findChild<QAction *>("cmdclear")->trigger();
    QCOMPARE(ui::of(form).txtAbs->text(), QString());
    QCOMPARE(ui::of(form).txtFolge->text(), QString());
    QCOMPARE(ui::of(form).txtN->text(), QStringLiteral(" 21"));
    QCOMPARE(ui::of(form).txtKopf->text().size(), 63);
    // The editors follow once control is back in the event loop.
    QCoreApplication::processEvents();
    QCOMPARE(qobject_cast<QPlainTextEdit *>(ui::of(form).txtAbs->editor())->toPlainText(), QString());
}

void TestEndToEnd::drawFreehandAndClearIt()
{
    showWindow();
    Form1 &form = *m_form;
    const QPoint from = testsupport::widgetPoint(*ui::of(form).Picture1, -0.9, -1.0);
    QTest::mousePress(ui::of(form).Picture1, Qt::LeftButton, {}, from);
    for (int i = 1; i <= 5; ++i)
        QTest::mouseMove(ui::of(form).Picture1, from + QPoint(4 * i, 0));
    QTest::mouseRelease(ui::of(form).Picture1, Qt::LeftButton, {}, from + QPoint(20, 0));
    QVERIFY(colourAround(ui::of(form).Picture1->image(), ui::of(form).Picture1->toPixel(-0.9, -1.0).toPoint() + QPoint(8, 0),
                         Qt::white, 0));
    QTest::mouseClick(ui::of(form).Command1, Qt::LeftButton);
    QVERIFY(!colourAround(ui::of(form).Picture1->image(), ui::of(form).Picture1->toPixel(-0.9, -1.0).toPoint() + QPoint(8, 0),
                          Qt::white, 2));
}

// A fixed-seed sequence of user operations on the real window. After every
// analysis: header rows of 3·N characters, the newest permutation row a
// permutation of 1 … N, the newest sum that of the newest row of minimal
// distances, and exactly one more row where the analysis completed.
void TestEndToEnd::randomisedSession()
{
    Form1 &form = *m_form;
    QRandomGenerator random(20261208);
    bool stopped = false;
    testsupport::MessageAnswers answers([&](const platform::Message &message) {
        if (message.buttons == platform::Message::Buttons::YesNo && random.bounded(40) == 0) {
            stopped = true;
            return platform::Answer::No;
        }
        return platform::Answer::Yes;
    });
    const QStringList garbage{"", "abc", "-5", " 2 1 ", "1e1", "12abc", "2.4", "1e20", "99999999999",
                              "1e308", "1e400", "0", "250", ".5", "\t7\n", "3e", "+17", "ä", "1,5"};
    auto randomText = [&] {
        return random.bounded(3) == 0 ? garbage[random.bounded(int(garbage.size()))]
                                      : QString::number(random.bounded(-10, 260));
    };

    auto checkAfterAnalysis = [&](qsizetype rowsBefore, const QString &context) {
        const int n = form.selection().n;
        QVERIFY2(n >= 2 && n <= 200, qPrintable(context));
        QCOMPARE(ui::of(form).txtKopf->text().size(), 3 * n);
        QCOMPARE(ui::of(form).txtSchub->text().size(), 3 * n);
        const qsizetype rows = lineCount(ui::of(form).txtSumme->text());
        QCOMPARE(rows, rowsBefore + (stopped ? 0 : 1));
        if (stopped)
            return;
        QList<int> permutation = columns(lastLine(ui::of(form).txtAusgabe->text()));
        std::sort(permutation.begin(), permutation.end());
        QList<int> expected(n);
        std::iota(expected.begin(), expected.end(), 1);
        QCOMPARE(permutation, expected);
        // A stopped single-step analysis leaves its row unfinished and the
        // next one continues it: this analysis's columns are the last N.
        const QList<int> minimal = columns(lastLine(ui::of(form).txtAbstand->text()).right(3 * n));
        QCOMPARE(minimal.first(), n);
        const int sum = std::accumulate(minimal.begin() + 1, minimal.end(), 0);
        QCOMPARE(lastLine(ui::of(form).txtSumme->text()),
                 QStringLiteral(" %1: %2").arg(form.selection().k).arg(sum));
    };

    for (int op = 0; op < 10000; ++op) {
        const QString context = QStringLiteral("operation %1").arg(op);
        stopped = false;
        const qsizetype rowsBefore = lineCount(ui::of(form).txtSumme->text());
        switch (random.bounded(12)) {
        case 0: // assign or drag a scroll bar
        case 1: {
            platform::ScrollBar *bar = random.bounded(2) ? ui::of(form).HScroll1 : ui::of(form).HScroll2;
            if (random.bounded(2)) {
                bar->setValue(random.bounded(-5, 210));
            } else {
                bar->setSliderDown(true);
                for (int i = random.bounded(1, 5); i > 0; --i)
                    bar->setValue(random.bounded(bar->minimum(), bar->maximum() + 1));
                bar->setSliderDown(false);
            }
            break;
        }
        case 2:
            ui::of(form).txtN->setText(randomText());
            break;
        case 3:
            ui::of(form).txtk->setText(randomText());
            break;
        case 4:
        case 5:
        case 6:
            ui::of(form).Check1->setChecked(random.bounded(5) == 0);
            form.Command2_Click();
            checkAfterAnalysis(rowsBefore, context);
            break;
        case 7: {
            static const char *zooms[] = {"cmdgroesser", "cmdkleiner", "cmdBildschirm"};
            ui::of(form).Check1->setChecked(random.bounded(4) == 0);
            const bool analyses = !ui::of(form).Check1->isChecked();
            form.findChild<QAction *>(zooms[random.bounded(3)])->trigger();
            QVERIFY(form.zoomFactor >= 1.0 && form.zoomFactor <= 1.5);
            if (analyses)
                checkAfterAnalysis(rowsBefore, context);
            break;
        }
        case 8: {
            static const char *clears[] = {"Command1", "Command3", "Command4"};
            if (random.bounded(4) == 0)
                form.findChild<QAction *>("cmdclear")->trigger();
            else
                form.findChild<QPushButton *>(clears[random.bounded(3)])->click();
            break;
        }
        case 9:
            (random.bounded(2) ? ui::of(form).Option1 : ui::of(form).Option2)->setChecked(true);
            break;
        case 10: { // a short mouse stroke over the picture
            const auto button = random.bounded(2) ? Qt::LeftButton : Qt::RightButton;
            QPoint at(random.bounded(ui::of(form).Picture1->width()), random.bounded(ui::of(form).Picture1->height()));
            testsupport::sendMouse(ui::of(form).Picture1, QEvent::MouseButtonPress, at, button, button);
            for (int i = 0; i < 5; ++i) {
                at += QPoint(random.bounded(-6, 7), random.bounded(-6, 7));
                testsupport::sendMouse(ui::of(form).Picture1, QEvent::MouseMove, at, Qt::NoButton, button);
            }
            testsupport::sendMouse(ui::of(form).Picture1, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
            QCOMPARE(form.mouseDown, 0);
            break;
        }
        default: // the views catch up, as between two user actions
            QCoreApplication::processEvents();
            break;
        }
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(context));
    }
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
