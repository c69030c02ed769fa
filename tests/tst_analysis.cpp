// The analysis without widgets: the number rule of the boxes, the clamps
// and the common divisor, the number texts, the header rows, the ring's
// points and the colours of the steps. No window and no display.

#include "analysis/input.h"
#include "analysis/numbertext.h"
#include "analysis/ring.h"
#include "analysis/starsandspokes.h"

#include <QTest>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <numeric>

class TestAnalysis : public QObject
{
    Q_OBJECT
private slots:
    void everyPairReducesToACoprimePair();
    void stepColours_data();
    void stepColours();
    void readNumber_data();
    void readNumber();
    void readNumberIgnoresTheUsersLocale();
    void reduceInput_data();
    void reduceInput();
    void numberTexts_data();
    void numberTexts();
    void headerRows_data();
    void headerRows();
    void positionPoints_data();
    void positionPoints();
};

void TestAnalysis::stepColours_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("c");
    QTest::newRow("N = 2, the single step") << 1 << 2 << 178; // 177.5 to even
    QTest::newRow("first of 7") << 1 << 7 << 122;
    QTest::newRow("last of 7") << 6 << 7 << 233;
    QTest::newRow("first of 200") << 1 << 200 << 101;
    QTest::newRow("last of 200") << 199 << 200 << 254;
    QTest::newRow("half to even, down") << 1 << 62 << 102; // 102.5
}

void TestAnalysis::stepColours()
{
    QFETCH(int, i);
    QFETCH(int, n);
    QFETCH(int, c);
    QCOMPARE(analysis::stepColour(i, n), QColor(55, c, c));
}

void TestAnalysis::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("250") << "250" << 250.0;
    QTest::newRow("-5") << "-5" << -5.0;
    QTest::newRow("blanks anywhere") << " 2 1 " << 21.0;
    QTest::newRow("tabs and line feeds") << "\t1\n9" << 19.0;
    QTest::newRow("what the analysis wrote") << " 21" << 21.0;
    QTest::newRow("exponent") << "1e1" << 10.0;
    QTest::newRow("exponent without digits") << "3e" << 3.0;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("decimal point") << "2.4" << 2.4;
    QTest::newRow("second point ends it") << "1.5.5" << 1.5;
    QTest::newRow("comma is no decimal point") << "1,5" << 1.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("carriage return ends it") << "1\r2" << 1.0;
    QTest::newRow("beyond a double saturates") << "1e400" << DBL_MAX;
    QTest::newRow("beyond a double, negative") << "-1e400" << -DBL_MAX;
    QTest::newRow("below the smallest double") << "1e-400" << 0.0;
    QTest::newRow("non-ASCII ends it") << "7\u00b2" << 7.0;
}

void TestAnalysis::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(analysis::readNumber(text), value);
}

void TestAnalysis::readNumberIgnoresTheUsersLocale()
{
    const char *german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    if (!german)
        QSKIP("no German locale installed");
    const double read = analysis::readNumber(u"2.5");
    std::setlocale(LC_NUMERIC, "C");
    QCOMPARE(read, 2.5);
}

void TestAnalysis::reduceInput_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("k");
    QTest::addColumn<double>("clampedK");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("analysedN");
    QTest::addColumn<int>("analysedK");
    QTest::newRow("21, 8: the start values") << 21.0 << 8.0 << 8.0 << 1 << 21 << 8;
    QTest::newRow("21, 6: divisor 3") << 21.0 << 6.0 << 6.0 << 3 << 7 << 2;
    QTest::newRow("21, 29: k taken mod N") << 21.0 << 29.0 << 8.0 << 1 << 21 << 8;
    QTest::newRow("21, 21: k = N cancels to 2, 1") << 21.0 << 21.0 << 21.0 << 21 << 2 << 1;
    QTest::newRow("21, 42: a multiple of N") << 21.0 << 42.0 << 0.0 << 21 << 2 << 1;
    QTest::newRow("300, 8: N clamped, divisor 8") << 300.0 << 8.0 << 8.0 << 8 << 25 << 1;
    QTest::newRow("1, 0: both raised") << 1.0 << 0.0 << 1.0 << 1 << 2 << 1;
    QTest::newRow("2, 1") << 2.0 << 1.0 << 1.0 << 1 << 2 << 1;
    QTest::newRow("-5 for N") << -5.0 << 3.0 << 1.0 << 1 << 2 << 1;
    QTest::newRow("2.4 rounds to 2 and ends") << 2.4 << 1.0 << 1.0 << 1 << 2 << 1;
    QTest::newRow("halves to even: 2.5 is 2") << 2.5 << 1.0 << 1.0 << 1 << 2 << 1;
    QTest::newRow("halves to even: 12.5, 3.5") << 12.5 << 3.5 << 4.0 << 4 << 3 << 1;
    QTest::newRow("k = 1e20") << 21.0 << 1e20 << std::fmod(1e20, 21) << 1 << 21 << int(std::fmod(1e20, 21));
    QTest::newRow("k = 99999999999") << 200.0 << 99999999999.0 << 199.0 << 1 << 200 << 199;
    QTest::newRow("k = 1e308") << 7.0 << 1e308 << std::fmod(1e308, 7) << 1 << 7 << int(std::fmod(1e308, 7));
    QTest::newRow("k saturated") << 10.0 << DBL_MAX << std::fmod(DBL_MAX, 10) << std::gcd(10, int(std::fmod(DBL_MAX, 10)))
                                 << 10 / std::gcd(10, int(std::fmod(DBL_MAX, 10)))
                                 << std::max(1, int(std::fmod(DBL_MAX, 10)) / std::gcd(10, int(std::fmod(DBL_MAX, 10))));
}

void TestAnalysis::reduceInput()
{
    QFETCH(double, n);
    QFETCH(double, k);
    QFETCH(double, clampedK);
    QFETCH(int, divisor);
    QFETCH(int, analysedN);
    QFETCH(int, analysedK);
    const auto reduced = analysis::reduceInput(n, k);
    QCOMPARE(reduced.clampedK, clampedK);
    QCOMPARE(reduced.divisor, divisor);
    QCOMPARE(reduced.n, analysedN);
    QCOMPARE(reduced.k, analysedK);
    QVERIFY(reduced.k >= 1 && reduced.k <= reduced.n - 1);
    QCOMPARE(std::gcd(reduced.n, reduced.k), 1);
}

void TestAnalysis::numberTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("column");
    QTest::newRow("7") << 7.0 << " 7" << "  7";
    QTest::newRow("42") << 42.0 << " 42" << " 42";
    QTest::newRow("123 fills the column") << 123.0 << " 123" << "123";
    QTest::newRow("1234 keeps its last three digits") << 1234.0 << " 1234" << "234";
    QTest::newRow("0") << 0.0 << " 0" << "  0";
    QTest::newRow("-0 is 0") << -0.0 << " 0" << "  0";
    QTest::newRow("-5") << -5.0 << "-5" << " -5";
    QTest::newRow("1e20 in full") << 1e20 << " 100000000000000000000" << "000";
}

void TestAnalysis::numberTexts()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(QString, column);
    QCOMPARE(analysis::numberText(value), text);
    QCOMPARE(analysis::column3(value), column);
}

void TestAnalysis::headerRows_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("spacings");
    QTest::newRow("N = 2") << 2 << "  1  2" << "  2  1";
    QTest::newRow("N = 12") << 12 << "  1  2  3  4  5  6  7  8  9 10 11 12"
                            << " 12  6  4  3  2  2  1  1  1  1  1  1";
    QTest::newRow("N = 21") << 21 << QString()
                            << " 21 10  7  5  4  3  3  2  2  2" + QString("  1").repeated(11);
}

void TestAnalysis::headerRows()
{
    QFETCH(int, n);
    QFETCH(QString, numbers);
    QFETCH(QString, spacings);
    const auto rows = analysis::headerRows(n);
    if (!numbers.isEmpty())
        QCOMPARE(rows.numbers, numbers);
    QCOMPARE(rows.spacings, spacings);
    QCOMPARE(rows.numbers.size(), 3 * n);
}

void TestAnalysis::positionPoints_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("i");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("N = 2, position 0 straight below") << 2 << 0 << QPointF(0, 0.85);
    QTest::newRow("N = 2, position 1 nearly straight above") << 2 << 1 << QPointF(0.0000788, -0.85);
    QTest::newRow("N = 21, position 1") << 21 << 1 << QPointF(0.2505, 0.8122);
    QTest::newRow("N = 21, position 5") << 21 << 5 << QPointF(0.8476, 0.0636);
}

void TestAnalysis::positionPoints()
{
    QFETCH(int, n);
    QFETCH(int, i);
    QFETCH(QPointF, expected);
    const QPointF p = analysis::positionPoint(i, analysis::angleStepFor(n));
    QVERIFY2(std::abs(p.x() - expected.x()) < 5e-5 && std::abs(p.y() - expected.y()) < 5e-5,
             qPrintable(QStringLiteral("%1, %2").arg(p.x(), 0, 'g', 8).arg(p.y(), 0, 'g', 8)));
}

void TestAnalysis::everyPairReducesToACoprimePair()
{
    // Every whole N and k a user can type near the window's range, halves
    // included: the pair the analysis runs with is coprime, in range, and
    // the clamped pair divided by the divisor that the message names.
    for (int n2 = -4; n2 <= 2 * (analysis::maxN + 5); ++n2) {
        for (int k2 = -4; k2 <= 2 * (analysis::maxN + 5); k2 += n2 % 7 == 0 ? 1 : 3) {
            const double nRead = n2 / 2.0, kRead = k2 / 2.0;
            const analysis::ReducedInput r = analysis::reduceInput(nRead, kRead);
            const QString pair = QStringLiteral("%1, %2").arg(nRead).arg(kRead);
            QVERIFY2(r.n >= analysis::minN && r.n <= analysis::maxN, qPrintable(pair));
            QVERIFY2(r.k >= 1 && r.k < r.n, qPrintable(pair));
            QVERIFY2(std::gcd(r.n, r.k) == 1, qPrintable(pair));
            QVERIFY2(r.clampedN >= analysis::minN && r.clampedN <= analysis::maxN,
                     qPrintable(pair));
            QVERIFY2(r.clampedK >= 0 && r.clampedK <= r.clampedN, qPrintable(pair));
            // A multiple of N has N itself as the divisor and runs as 2, 1.
            const bool multiple = r.clampedK == 0 || r.clampedK == r.clampedN;
            QCOMPARE(r.divisor, multiple ? int(r.clampedN)
                                         : std::gcd(int(r.clampedN), int(r.clampedK)));
            if (!multiple) {
                QCOMPARE(double(r.n) * r.divisor, r.clampedN);
                QCOMPARE(double(r.k) * r.divisor, r.clampedK);
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
