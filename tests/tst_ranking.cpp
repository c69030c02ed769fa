// The ranking window, driven as a user drives it: opened from "Extras",
// following N, sorted by its headers, and a row activated by Enter or a
// double-click, which runs the main window's analysis.

#include "formcontrols.h"
#include "app/application.h"
#include "app/form1.h"
#include "numbers/lattice.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"
#include "ranking/rankingmodel.h"
#include "ranking/rankingwindow.h"
#include "ranking/stepplot.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
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

// f_t in ten-thousandths from fplll's reduction, and M₈, the least of them.
numbers::u64 figure(numbers::u64 n, numbers::u64 k, int t)
{
    return numbers::latticeFigure(numbers::latticeNu2Arbitrary(n, k, t), n, t);
}

numbers::u64 merit(numbers::u64 n, numbers::u64 k)
{
    numbers::u64 least = figure(n, k, 2);
    for (int t = 3; t <= 8; ++t)
        least = std::min(least, figure(n, k, t));
    return least;
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
    void everyRowIsTheEnginesFigures();
    void sortsByEveryColumn();
    void meritColumnSortsExactly();
    void rankedByTheChosenFigure();
    void everyDimensionBesideTheSteps();
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
                                   "größter Teilnenner", "Spektraltest f₂", "Zaremba",
                                   "Lückenverhältnis", "Gütemaß M₈"}));
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!(view->model()->flags(view->model()->index(0, 0)) & Qt::ItemIsEditable));

    // φ(21) = 12 multipliers; the start analysis's k = 8 leads and is current.
    QCOMPARE(view->model()->rowCount(), 12);
    const auto cell = [view](int row, int column) {
        return view->model()->index(row, column).data().toString();
    };
    QStringList first;
    for (int column = 0; column < RankingModel::columns(); ++column)
        first << cell(0, column);
    QCOMPARE(first, QStringList({"1", "8", "38", "0,7755", "[0; 2, 1, 1, 1, 2]", "2", "0,8616",
                                 "8", "3,0000", "0,4567"}));
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
            ui::of(*form).HScroll1->setValue(value.toInt());
    } else {
        ui::of(*form).txtN->setText(words[1]);
        ui::of(*form).txtk->setText(words[2]);
        ui::of(*form).Command2->click();
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

    const int sum = RankingModel::columnOf(numbers::Figure::Sum);
    const int largest = RankingModel::columnOf(numbers::Figure::Largest);
    view.sortByColumn(sum, Qt::AscendingOrder);
    QCOMPARE(view.model()->index(0, sum).data().toString(), QStringLiteral("20"));
    view.sortByColumn(largest, Qt::DescendingOrder);
    QCOMPARE(view.model()->index(0, largest).data().toString(), QStringLiteral("21"));
    // The current row stays with its multiplier through the sorting.
    QCOMPARE(ranking->currentMultiplier(), 8);
}

void TestRanking::everyRowIsTheEnginesFigures()
{
    // Every cell of every row at N = 200, in the ranking's own order, is
    // what the engine says of that row's multiplier: no row shows another's
    // figures (its mirror's continued fraction, say).
    const auto form = startZyklar();
    ui::of(*form).HScroll1->setValue(200);
    RankingWindow *ranking = openRanking(*form);
    const QAbstractItemModel &view = *ranking->table().model();
    search::RankingQuery query;
    query.n = 200;
    const std::vector<search::Ranked> ranked = search::ranking(query);
    QCOMPARE(view.rowCount(), int(ranked.size()));
    const numbers::EquidistantRow equidistant(200);
    for (int row = 0; row < view.rowCount(); ++row) {
        const numbers::Figures f = numbers::figures(200, ranked[size_t(row)].k, equidistant);
        const auto decimals = [](numbers::Wide tenThousandths) {
            return QString::fromStdString(numbers::fourDecimals(tenThousandths, ','));
        };
        const QStringList expected{
            QString::number(ranked[size_t(row)].rank),
            QString::number(f.k),
            QString::fromStdString(numbers::decimal(f.sum)),
            decimals(f.share),
            QString::fromStdString(numbers::continuedFractionText(f.quotients)),
            QString::fromStdString(numbers::decimal(f.largest)),
            decimals(f.f2),
            QString::number(f.zaremba),
            decimals(numbers::tenThousandths(f.gapRatio)),
            decimals(merit(200, f.k)),
        };
        QStringList shown;
        for (int column = 0; column < RankingModel::columns(); ++column)
            shown << view.index(row, column).data().toString();
        QCOMPARE(shown, expected);
    }
}

void TestRanking::sortsByEveryColumn()
{
    // At N = 50 the columns hold numbers of one, two and three digits (the
    // share and f₂ are all below 1), so sorting by text would show. Each
    // column, both ways, orders by the number it shows; the fraction's value
    // is k/N.
    const auto form = startZyklar();
    ui::of(*form).HScroll1->setValue(50);
    RankingWindow *ranking = openRanking(*form);
    QTableView &view = ranking->table();
    const auto valueAt = [&](int row, int column) {
        if (column == RankingModel::columnOf(numbers::Figure::Fraction))
            column = RankingModel::Multiplier;
        return view.model()->index(row, column).data().toString().replace(u',', u'.').toDouble();
    };
    for (int column = 0; column < RankingModel::columns(); ++column) {
        QSet<int> digits;
        for (int row = 0; row < view.model()->rowCount(); ++row)
            digits << int(QString::number(int(valueAt(row, column))).size());
        // The share, f₂ and M₈ are decimals below 1: one digit before the point.
        const numbers::FigureEntry *figure = RankingModel::figureAt(column);
        if (!figure || (figure->figure != numbers::Figure::Share
                        && figure->figure != numbers::Figure::F2
                        && figure->figure != numbers::Figure::Merit))
            QVERIFY2(digits.size() >= 2, qPrintable(QString::number(column)));
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            view.sortByColumn(column, order);
            for (int row = 1; row < view.model()->rowCount(); ++row) {
                const double before = valueAt(row - 1, column), here = valueAt(row, column);
                if (order == Qt::AscendingOrder ? here < before : here > before)
                    QFAIL(qPrintable(QStringLiteral("column %1, row %2").arg(column).arg(row)));
            }
        }
    }
}

void TestRanking::meritColumnSortsExactly()
{
    // Sorted by its M₈ column, best first, the rows stand in the order of
    // the ranking by M₈, which is exact; equal values may stand either way.
    const auto form = startZyklar();
    ui::of(*form).HScroll1->setValue(200);
    RankingWindow *ranking = openRanking(*form);
    QTableView &view = ranking->table();
    search::RankingQuery query;
    query.n = 200;
    query.criterion = numbers::Criterion::Merit;
    QHash<int, int> rankOf;
    for (const search::Ranked &row : search::ranking(query))
        rankOf[int(row.k)] = int(row.rank);
    const int column = RankingModel::columnOf(numbers::Figure::Merit);
    view.sortByColumn(column, Qt::DescendingOrder);
    const QList<int> shown = shownMultipliers(view);
    QCOMPARE(shown.size(), rankOf.size());
    for (int row = 1; row < shown.size(); ++row)
        QVERIFY2(rankOf[shown[row - 1]] <= rankOf[shown[row]], qPrintable(QString::number(row)));
}

void TestRanking::rankedByTheChosenFigure()
{
    // Each choice of "Rangfolge nach" ranks as the engine ranks by that
    // figure, best first; the current multiplier stays current.
    const auto form = startZyklar();
    ui::of(*form).HScroll1->setValue(60);
    RankingWindow *ranking = openRanking(*form);
    ranking->table().setCurrentIndex(
            ranking->table().model()->index(viewRowOf(ranking->table(), 23), 0));
    auto *order = ranking->findChild<QComboBox *>("cboRangfolge");
    QVERIFY(order);
    QCOMPARE(order->count(), 6);
    QCOMPARE(order->itemText(5), QStringLiteral("Gütemaß M₈"));
    const numbers::Criterion criteria[] = {numbers::Criterion::Sum, numbers::Criterion::Spectral,
                                           numbers::Criterion::Zaremba,
                                           numbers::Criterion::GapRatio,
                                           numbers::Criterion::Largest, numbers::Criterion::Merit};
    for (int choice : {3, 5, 1, 4, 2, 0}) {
        order->setCurrentIndex(choice);
        search::RankingQuery query;
        query.n = 60;
        query.criterion = criteria[choice];
        QList<int> ks, ranks, expectedKs, expectedRanks;
        for (const search::Ranked &row : search::ranking(query)) {
            expectedKs << int(row.k);
            expectedRanks << int(row.rank);
        }
        for (int row = 0; row < ranking->table().model()->rowCount(); ++row)
            ranks << ranking->table().model()->index(row, RankingModel::Rank).data().toInt();
        QCOMPARE(shownMultipliers(ranking->table()), expectedKs);
        QCOMPARE(ranks, expectedRanks);
        QCOMPARE(ranking->currentMultiplier(), 23);
    }
}

void TestRanking::everyDimensionBesideTheSteps()
{
    // The current multiplier's f₂ … f₈ and M₈ stand beside its steps, the
    // worst dimension in bold; they follow the current row.
    const auto form = startZyklar();
    ui::of(*form).HScroll1->setValue(200);
    RankingWindow *ranking = openRanking(*form);
    auto *label = ranking->findChild<QLabel *>("lblDimensionen");
    QVERIFY(label);
    for (int k : {77, 3, 199}) {
        ranking->table().setCurrentIndex(
                ranking->table().model()->index(viewRowOf(ranking->table(), k), 0));
        const QString text = label->text();
        QVERIFY(text.contains(QStringLiteral("k = %1<").arg(k)));
        const auto decimal = [](numbers::u64 value) {
            return QString::fromStdString(numbers::fourDecimals(value, ','));
        };
        const numbers::u64 least = merit(200, numbers::u64(k));
        for (int t = 2; t <= 8; ++t) {
            const numbers::u64 f = figure(200, numbers::u64(k), t);
            const QString cell = f == least ? QStringLiteral("<b>%1</b>") : QStringLiteral(">%1<");
            QVERIFY2(text.contains(cell.arg(decimal(f))), qPrintable(text));
        }
        QVERIFY(text.contains(QStringLiteral("<b>Gütemaß M₈</b></td><td align=\"right\"><b>%1</b>")
                                      .arg(decimal(least))));
    }
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
    QCOMPARE(ui::of(*form).txtk->text(), QStringLiteral("13"));
    QCOMPARE(ui::of(*form).HScroll2->value(), 13);
    QCOMPARE(testsupport::lastLine(ui::of(*form).txtSumme->text()), QStringLiteral(" 13: 38"));
    QCOMPARE(testsupport::lines(ui::of(*form).txtAbs->text()).size(), 20);
    QCOMPARE(ranking->currentMultiplier(), 13);
}

void TestRanking::doubleClickAnalysesTheRow()
{
    const auto form = shownWindow();
    form->cmdclear_Click();
    // txtN typed but not analysed: the row is still analysed for the
    // ranking's N.
    ui::of(*form).txtN->setText(QStringLiteral("50"));
    RankingWindow *ranking = openRanking(*form);
    QVERIFY(QTest::qWaitForWindowExposed(ranking));
    QTableView &view = ranking->table();
    const QRect cell = view.visualRect(view.model()->index(viewRowOf(view, 4), 1));
    // What the window system sends: a click, then the second press as a
    // double-click.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cell.center());

    QCOMPARE(form->selection().n, 21);
    QCOMPARE(form->selection().k, 4);
    QCOMPARE(testsupport::lastLine(ui::of(*form).txtSumme->text()), QStringLiteral(" 4: 32"));
    QCOMPARE(ranking->currentMultiplier(), 4);
}

void TestRanking::singleStepQuestionsStillAsk()
{
    const auto form = startZyklar();
    form->cmdclear_Click();
    ui::of(*form).Check1->setChecked(true);
    RankingWindow *ranking = openRanking(*form);
    testsupport::MessageAnswers answers([](const platform::Message &message) {
        return message.text == u" 3. Schritt, weiter?" ? platform::Answer::No
                                                      : platform::Answer::Yes;
    });
    emit ranking->table().activated(
            ranking->table().model()->index(viewRowOf(ranking->table(), 5), 0));
    QCOMPARE(answers.asked.size(), 3);
    QCOMPARE(answers.asked.first().title, QStringLiteral("Einzelschritt"));
    QCOMPARE(testsupport::lines(ui::of(*form).txtAbs->text()).size(), 2);
    QCOMPARE(ui::of(*form).txtSumme->text(), QString()); // stopped before the sum
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
