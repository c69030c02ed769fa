// The ranking window, driven as a user drives it: opened from "Extras",
// following N, sorted by its headers, and a row activated by Enter or a
// double-click, which runs the main window's analysis.

#include "formcontrols.h"
#include "app/application.h"
#include "app/form1.h"
#include "circle/positioncircle.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"
#include "ranking/rankingmodel.h"
#include "ranking/rankingwindow.h"
#include "ranking/stepplot.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

std::unique_ptr<Form1> shownWindow()
{
    auto form = startZyklar();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qFatal("the main window was not shown");
    return form;
}

RankingWindow *openRanking(Form1 &form)
{
    form.findChild<QAction *>("cmdRangliste")->trigger();
    return form.findChild<RankingWindow *>("frmRangliste");
}

// The view's column of multipliers, top to bottom.
QList<int> shownMultipliers(const QTableView &view)
{
    QList<int> ks;
    for (int row = 0; row < view.model()->rowCount(); ++row)
        ks << view.model()->index(row, RankingModel::Multiplier).data().toInt();
    return ks;
}

int viewRowOf(const QTableView &view, int k)
{
    return shownMultipliers(view).indexOf(k);
}

} // namespace

class TestRanking : public QObject
{
    Q_OBJECT
private slots:
    void extrasOpensTheRankingOfN();
    void ctrlROpensIt();
    void followsN_data();
    void followsN();
    void sortsByNumbers();
    void enterAnalysesTheRow();
    void doubleClickAnalysesTheRow();
    void singleStepQuestionsStillAsk();
    void closingTheMainWindowEndsTheProgram();

private:
    testsupport::ScreenSize m_screen{1024, 768};
    testsupport::MessageAnswers m_answers;
};

void TestRanking::extrasOpensTheRankingOfN()
{
    const auto form = startZyklar();
    RankingWindow *ranking = openRanking(*form);
    QVERIFY(ranking);
    QVERIFY(ranking->isVisible());
    QVERIFY(ranking->isWindow());
    QVERIFY(!ranking->isModal());
    QCOMPARE(ranking->windowTitle(), QStringLiteral("Rangliste"));

    auto *view = ranking->findChild<QTableView *>("grdRangliste");
    QVERIFY(view);
    QStringList headers;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        headers << view->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringList({"Rang", "k", "Summe", "Anteil", "Kettenbruch",
                                   "größter Teilnenner"}));
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!(view->model()->flags(view->model()->index(0, 0)) & Qt::ItemIsEditable));

    // φ(21) = 12 multipliers; the start analysis's k = 8 leads and is current.
    QCOMPARE(view->model()->rowCount(), 12);
    const auto cell = [view](int row, int column) {
        return view->model()->index(row, column).data().toString();
    };
    QCOMPARE(QStringList({cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 3), cell(0, 4), cell(0, 5)}),
             QStringList({"1", "8", "38", "0,7755", "[0; 2, 1, 1, 1, 2]", "2"}));
    QCOMPARE(cell(1, 0), QStringLiteral("1")); // its mirror 13 shares the rank
    QCOMPARE(cell(2, 0), QStringLiteral("3"));
    QCOMPARE(ranking->currentMultiplier(), 8);

    // The plot shows the current row's distances against the equidistant row.
    auto *plot = ranking->findChild<StepPlot *>("picVerlauf");
    QVERIFY(plot);
    QCOMPARE(plot->k(), 8);
    QCOMPARE(plot->minimal(), (std::vector<int>{8, 5, 3, 3, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                                1, 1, 1, 1}));
    QCOMPARE(plot->equidistant().front(), 10);
    QCOMPARE(plot->equidistant().back(), 1);

    for (QWidget *control : {static_cast<QWidget *>(ranking), static_cast<QWidget *>(view),
                             static_cast<QWidget *>(plot),
                             ranking->findChild<QWidget *>("lblRangliste")}) {
        QVERIFY(control);
        QVERIFY2(!control->objectName().isEmpty() && !control->accessibleName().isEmpty(),
                 qPrintable(control->objectName()));
    }

    // Opening it again raises the same window.
    QCOMPARE(openRanking(*form), ranking);
    QCOMPARE(form->findChildren<RankingWindow *>().size(), 1);
}

void TestRanking::ctrlROpensIt()
{
    const auto form = shownWindow();
    QVERIFY(!form->rankingWindow());
    QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(form->rankingWindow());
    QVERIFY(form->rankingWindow()->isVisible());
}

void TestRanking::followsN_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("current");
    // Moving N shows the new N; the last analysis's k belongs to another N,
    // so the best multiplier is current. Quick moves in a row end at the
    // last N.
    QTest::newRow("scroll bar to 30") << "scroll 30" << 30 << 8 << 11;
    QTest::newRow("quick moves") << "scroll 30 40 50 60" << 60 << 16 << 13;
    QTest::newRow("analysis of 12, 5") << "analyse 12 5" << 12 << 4 << 5;
    QTest::newRow("analysis reduced to 7, 2") << "analyse 21 6" << 7 << 6 << 2;
    QTest::newRow("back to the analysed N") << "scroll 30 21" << 21 << 12 << 8;
}

void TestRanking::followsN()
{
    QFETCH(QString, how);
    QFETCH(int, n);
    QFETCH(int, rows);
    QFETCH(int, current);
    const auto form = startZyklar();
    RankingWindow *ranking = openRanking(*form);
    const QStringList words = how.split(u' ');
    if (words[0] == u"scroll") {
        for (const QString &value : words.mid(1))
            ui::HScroll1(*form)->setValue(value.toInt());
    } else {
        ui::txtN(*form)->setText(words[1]);
        ui::txtk(*form)->setText(words[2]);
        ui::Command2(*form)->click();
    }
    QTRY_COMPARE(ranking->model().n(), n);
    QCOMPARE(ranking->table().model()->rowCount(), rows);
    QCOMPARE(ranking->currentMultiplier(), current);
    QCOMPARE(ranking->plot().n(), n);
    QCOMPARE(ranking->plot().k(), current);
    QVERIFY(ranking->findChild<QLabel *>("lblRangliste")->text().startsWith(
            QStringLiteral("N = %1: %2 ").arg(n).arg(rows)));
}

void TestRanking::sortsByNumbers()
{
    const auto form = shownWindow();
    RankingWindow *ranking = openRanking(*form);
    QTableView &view = ranking->table();
    QVERIFY(QTest::qWaitForWindowExposed(ranking));

    // A click on the header "k" sorts by the number, not by its text
    // (which would put 10 before 2).
    QHeaderView *header = view.horizontalHeader();
    const QPoint kHeader(header->sectionViewportPosition(RankingModel::Multiplier) + 5,
                         header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, kHeader);
    QCOMPARE(shownMultipliers(view), QList<int>({1, 2, 4, 5, 8, 10, 11, 13, 16, 17, 19, 20}));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, kHeader);
    QCOMPARE(shownMultipliers(view).first(), 20);

    view.sortByColumn(RankingModel::Sum, Qt::AscendingOrder);
    QCOMPARE(view.model()->index(0, RankingModel::Sum).data().toString(), QStringLiteral("20"));
    view.sortByColumn(RankingModel::Largest, Qt::DescendingOrder);
    QCOMPARE(view.model()->index(0, RankingModel::Largest).data().toString(), QStringLiteral("21"));
    // The current row stays with its multiplier through the sorting.
    QCOMPARE(ranking->currentMultiplier(), 8);
}

void TestRanking::enterAnalysesTheRow()
{
    const auto form = shownWindow();
    form->cmdclear_Click();
    RankingWindow *ranking = openRanking(*form);
    QVERIFY(QTest::qWaitForWindowExposed(ranking));
    QTableView &view = ranking->table();
    view.setFocus();
    view.setCurrentIndex(view.model()->index(viewRowOf(view, 13), 0));
    QTest::keyClick(&view, Qt::Key_Return);

    // As a click on "Analyse": HScroll2 moved from 8 to 13 and wrote "13".
    QCOMPARE(ui::txtk(*form)->text(), QStringLiteral("13"));
    QCOMPARE(ui::HScroll2(*form)->value(), 13);
    QCOMPARE(testsupport::lastLine(ui::txtSumme(*form)->text()), QStringLiteral(" 13: 38"));
    QCOMPARE(testsupport::lines(ui::txtAbs(*form)->text()).size(), 20);
    QCOMPARE(ranking->currentMultiplier(), 13);
}

void TestRanking::doubleClickAnalysesTheRow()
{
    const auto form = shownWindow();
    form->cmdclear_Click();
    // txtN typed but not analysed: the row is still analysed for the
    // ranking's N.
    ui::txtN(*form)->setText(QStringLiteral("50"));
    RankingWindow *ranking = openRanking(*form);
    QVERIFY(QTest::qWaitForWindowExposed(ranking));
    QTableView &view = ranking->table();
    const QRect cell = view.visualRect(view.model()->index(viewRowOf(view, 4), 1));
    // What the window system sends: a click, then the second press as a
    // double-click.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cell.center());

    QCOMPARE(form->positionCircle().N, 21);
    QCOMPARE(form->positionCircle().k, 4);
    QCOMPARE(testsupport::lastLine(ui::txtSumme(*form)->text()), QStringLiteral(" 4: 32"));
    QCOMPARE(ranking->currentMultiplier(), 4);
}

void TestRanking::singleStepQuestionsStillAsk()
{
    const auto form = startZyklar();
    form->cmdclear_Click();
    ui::Check1(*form)->setChecked(true);
    RankingWindow *ranking = openRanking(*form);
    testsupport::MessageAnswers answers([](const platform::Message &message) {
        return message.text == u" 3. Schritt, weiter?" ? platform::Answer::No
                                                      : platform::Answer::Yes;
    });
    emit ranking->table().activated(
            ranking->table().model()->index(viewRowOf(ranking->table(), 5), 0));
    QCOMPARE(answers.asked.size(), 3);
    QCOMPARE(answers.asked.first().title, QStringLiteral("Einzelschritt"));
    QCOMPARE(testsupport::lines(ui::txtAbs(*form)->text()).size(), 2);
    QCOMPARE(ui::txtSumme(*form)->text(), QString()); // stopped before the sum
}

void TestRanking::closingTheMainWindowEndsTheProgram()
{
    const auto form = shownWindow();
    RankingWindow *ranking = openRanking(*form);
    QVERIFY(QTest::qWaitForWindowExposed(ranking));
    QTimer::singleShot(0, form.get(), [&] { form->close(); });
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    deadline.start(5000);
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TestRanking)
#include "tst_ranking.moc"
