// Reading N and the multiplier: the number rule, the clamps, the common
// divisor with its message, and what the boxes and scroll bars show after.

#include "formcontrols.h"
#include "form/analysecommand.h"
#include "analysis/input.h"
#include "app/application.h"
#include "app/form1.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"
#include "testsupport.h"

#include <QPushButton>
#include <QTest>

#include <cfloat>
#include <clocale>
#include <numeric>

class TestInput : public QObject
{
    Q_OBJECT
private slots:
    void analysisWritesBack_data();
    void analysisWritesBack();
    void pictureClearedOnlyWhenNMoves();
    void headerRowsFollowTheAnalysedN();

private:
    testsupport::ScreenSize m_screen{1024, 768};
};

void TestInput::analysisWritesBack_data()
{
    QTest::addColumn<QString>("nText");
    QTest::addColumn<QString>("kText");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("nShown");
    QTest::addColumn<QString>("kShown");
    // The scroll bars start at 21 and 8. A bar that moves writes plain digits.
    QTest::newRow("21, 8") << "21" << "8" << "" << 21 << 8 << " 21" << " 8";
    QTest::newRow("21, 6") << "21" << "6" << "Der gemeinsame Teiler 3 wird herausgekürzt" << 7 << 2 << "7" << "2";
    QTest::newRow("21, 29") << "21" << "29" << "" << 21 << 8 << " 21" << " 8";
    QTest::newRow("21, 21") << "21" << "21" << "Der gemeinsame Teiler 21 wird herausgekürzt" << 2 << 1 << "2" << "1";
    QTest::newRow("21, 42") << "21" << "42" << "Der gemeinsame Teiler 21 wird herausgekürzt" << 2 << 1 << "2" << "1";
    QTest::newRow("300, 8") << "300" << "8" << "Der gemeinsame Teiler 8 wird herausgekürzt" << 25 << 1 << "25" << "1";
    QTest::newRow("1, 0") << "1" << "0" << "" << 2 << 1 << "2" << "1";
    QTest::newRow("no number at all") << "abc" << "" << "" << 2 << 1 << "2" << "1";
    QTest::newRow("250") << "250" << "3" << "" << 200 << 3 << "200" << "3";
    QTest::newRow("blanks inside") << " 2 1 " << "1e1" << "" << 21 << 10 << " 21" << "10";
    QTest::newRow("12abc") << "12abc" << "5" << "" << 12 << 5 << "12" << "5";
    QTest::newRow("-5") << "-5" << "8" << "Der gemeinsame Teiler 2 wird herausgekürzt" << 2 << 1 << "2" << "1";
    QTest::newRow("fractional N ends") << "2.4" << "1" << "" << 2 << 1 << "2" << "1";
    QTest::newRow("huge k") << "21" << "1e20" << "" << 21 << int(std::fmod(1e20, 21)) << " 21"
                            << QString::number(int(std::fmod(1e20, 21)));
    QTest::newRow("huge k beyond 32 bits") << "200" << "99999999999" << "" << 200 << 199 << "200" << "199";
    QTest::newRow("k = 1e308") << "21" << "1e308" << "" << 21 << int(std::fmod(1e308, 21)) << " 21"
                               << QString::number(int(std::fmod(1e308, 21)));
}

void TestInput::analysisWritesBack()
{
    QFETCH(QString, nText);
    QFETCH(QString, kText);
    QFETCH(QString, message);
    QFETCH(int, n);
    QFETCH(int, k);
    QFETCH(QString, nShown);
    QFETCH(QString, kShown);
    auto form = startZyklar();
    QCOMPARE(ui::of(*form).HScroll1->value(), 21);
    QCOMPARE(ui::of(*form).HScroll2->value(), 8);

    testsupport::MessageAnswers answers;
    ui::of(*form).txtN->setText(nText);
    ui::of(*form).txtk->setText(kText);
    ui::of(*form).Command2->click();

    if (message.isEmpty()) {
        QVERIFY(answers.asked.isEmpty());
    } else {
        QCOMPARE(answers.asked.size(), 1);
        QCOMPARE(answers.asked[0].text, message);
        QCOMPARE(answers.asked[0].title, QString()); // the program's title shows
        QCOMPARE(answers.asked[0].buttons, platform::Message::Buttons::Ok);
        QCOMPARE(answers.asked[0].icon, platform::Message::Icon::None);
    }
    QCOMPARE(form->selection().n, n);
    QCOMPARE(form->selection().k, k);
    QCOMPARE(form->selection().angleStep, 6.283 / n);
    QCOMPARE(ui::of(*form).txtN->text(), nShown);
    QCOMPARE(ui::of(*form).txtk->text(), kShown);
    QCOMPARE(ui::of(*form).HScroll1->value(), n);
    QCOMPARE(ui::of(*form).HScroll2->value(), k);

    // What the analysis wrote reads back as the same numbers.
    ui::of(*form).Command2->click();
    QCOMPARE(form->selection().n, n);
    QCOMPARE(form->selection().k, k);
}

void TestInput::pictureClearedOnlyWhenNMoves()
{
    testsupport::MessageAnswers answers;
    auto form = startZyklar();
    const QPointF corner(1.2, -1.1); // where nothing else is drawn
    auto marked = [&] {
        return testsupport::colourAround(ui::of(*form).Picture1->image(),
                                         ui::of(*form).Picture1->toPixel(corner.x(), corner.y()).toPoint(),
                                         Qt::white, 0);
    };
    ui::of(*form).Picture1->pset(corner.x(), corner.y(), Qt::white);
    ui::of(*form).Command2->click(); // N stays 21
    QVERIFY(marked());

    ui::of(*form).txtk->setText(QStringLiteral("6")); // N becomes 7 through the divisor
    ui::of(*form).Command2->click();
    QVERIFY(!marked());
    QCOMPARE(ui::of(*form).HScroll1->value(), 7);
}

void TestInput::headerRowsFollowTheAnalysedN()
{
    testsupport::MessageAnswers answers;
    auto form = startZyklar();
    ui::of(*form).txtN->setText(QStringLiteral("7"));
    ui::of(*form).txtk->setText(QStringLiteral("3"));
    ui::of(*form).Command2->click();
    QCOMPARE(ui::of(*form).txtKopf->text(), QStringLiteral("  1  2  3  4  5  6  7"));
    QCOMPARE(ui::of(*form).txtSchub->text(), QStringLiteral("  7  3  2  1  1  1  1"));
}

QTEST_MAIN(TestInput)
#include "tst_input.moc"
