// `zyklar` with arguments, run as a separate process with no display: its
// outputs in text, CSV and JSON, its usage errors (one German line, exit
// status 2, nothing on standard output), and its text being the window's.

#include "app/application.h"
#include "app/form1.h"
#include "platform/textbox.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

using testsupport::Run;

Run zyklar(const QStringList &arguments, const QString &outputFile = {})
{
    return testsupport::runWithoutDisplay(QStringLiteral(ZYKLAR_PROGRAM), arguments, outputFile);
}

QStringList split(const QString &arguments)
{
    return arguments.split(u' ', Qt::SkipEmptyParts);
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void textIsTheWindowsText_data();
    void textIsTheWindowsText();
    void beyond999EveryDigitStays();
    void analyseCsvAndJson();
    void ranglisteFormats();
    void ranglisteTopOfALargeN();
    void summePast64Bits();
    void multiplierIsReducedAsTheWindowDoes();
    void usageErrors_data();
    void usageErrors();
    void helpAndVersion_data();
    void helpAndVersion();
    void progressOnlyOnATerminal();
    void failedWriteIsReported();

private:
    testsupport::ScreenSize m_screen{1024, 768};
};

void TestCommandLine::textIsTheWindowsText_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::newRow("start values") << 21 << 8;
    QTest::newRow("7, 3") << 7 << 3;
    QTest::newRow("2, 1") << 2 << 1;
    QTest::newRow("200, 77: columns touch") << 200 << 77;
    QTest::newRow("101, 100") << 101 << 100;
}

void TestCommandLine::textIsTheWindowsText()
{
    QFETCH(int, n);
    QFETCH(int, k);
    testsupport::MessageAnswers answers;
    const auto form = startZyklar();
    form->cmdclear_Click();
    form->txtN->setText(QString::number(n));
    form->txtk->setText(QString::number(k));
    form->Command2->click();

    const auto lf = [](QString text) { return text.replace(QStringLiteral("\r\n"), "\n"); };
    const QString window = "Die Folge\n" + form->txtFolge->text() + "\n\n"
            + "getrennt nach rechtem und linkem Nachbarn\n" + lf(form->txtAbs->text()) + "\n"
            + "Folge der Minimalabstände\n" + lf(form->txtAbstand->text()) + "\n"
            + "  k:  Summe\n" + lf(form->txtSumme->text()) + "\n"
            + "Reihenfolge der Felderbelegung / Permutation\n" + lf(form->txtAusgabe->text());

    const Run run = zyklar({"analyse", QString::number(n), QString::number(k)});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, window);
}

void TestCommandLine::beyond999EveryDigitStays()
{
    // At N = 1009 the columns are five wide ("␣1009"), so every number of
    // a row can be read back and agrees with the CSV.
    const Run text = zyklar(split("analyse 1009 390"));
    const Run csv = zyklar(split("analyse 1009 390 --format csv"));
    QCOMPARE(text.status, 0);
    QStringList rows = csv.out.split(u'\n', Qt::SkipEmptyParts);
    rows.removeFirst();
    QCOMPARE(rows.size(), 1008);

    const QStringList lines = text.out.split(u'\n');
    const QString minimal = lines[lines.indexOf("Folge der Minimalabstände") + 1];
    const QString permutation = lines[lines.indexOf("Reihenfolge der Felderbelegung / Permutation") + 1];
    QCOMPARE(minimal.size(), 5 * 1009);
    QCOMPARE(permutation.size(), 5 * 1009);
    QCOMPARE(minimal.left(5), QStringLiteral(" 1009"));
    for (int i = 1; i < 1009; ++i) {
        const QStringList fields = rows[i - 1].split(u',');
        QCOMPARE(minimal.mid(5 * i, 5).trimmed(), fields[4]);
    }
    QVERIFY(permutation.contains(QStringLiteral(" 1009")));
}

void TestCommandLine::analyseCsvAndJson()
{
    // The worked example N = 7, k = 3: positions 4, 7, 3, 6, 2, 5 (1-based).
    const Run csv = zyklar(split("analyse 7 3 --format csv"));
    QCOMPARE(csv.status, 0);
    QCOMPARE(csv.out, QStringLiteral("schritt,position,rueckwaerts,vorwaerts,minimum,gleichverteilt\n"
                                     "1,4,3,4,3,3\n"
                                     "2,7,3,1,1,2\n"
                                     "3,3,2,1,1,1\n"
                                     "4,6,2,1,1,1\n"
                                     "5,2,1,1,1,1\n"
                                     "6,5,1,1,1,1\n"));

    const Run json = zyklar(split("analyse 21 8 --format=json"));
    QCOMPARE(json.status, 0);
    QVERIFY(json.out.contains(QStringLiteral("\"anteil\":0.7755,")));
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object["n"].toInt(), 21);
    QCOMPARE(object["k"].toInt(), 8);
    QCOMPARE(object["summe"].toInt(), 38);
    QCOMPARE(object["kettenbruch"].toArray(), QJsonArray({0, 2, 1, 1, 1, 2}));
    const QJsonArray steps = object["schritte"].toArray();
    QCOMPARE(steps.size(), 20);
    QCOMPARE(steps[0].toObject(), QJsonObject({{"schritt", 1}, {"position", 9}, {"rueckwaerts", 8},
                                               {"vorwaerts", 13}, {"minimum", 8},
                                               {"gleichverteilt", 10}}));
    int sum = 0;
    for (const QJsonValue &step : steps)
        sum += step.toObject()["minimum"].toInt();
    QCOMPARE(sum, 38);
}

void TestCommandLine::ranglisteFormats()
{
    const Run csv = zyklar(split("rangliste 21 --format csv"));
    QCOMPARE(csv.status, 0);
    QCOMPARE(csv.out, QStringLiteral("rang,k,summe,anteil,kettenbruch,groesster_teilnenner\n"
                                     "1,8,38,0.7755,\"[0; 2, 1, 1, 1, 2]\",2\n"
                                     "1,13,38,0.7755,\"[0; 1, 1, 1, 1, 1, 2]\",2\n"
                                     "3,4,32,0.6531,\"[0; 5, 4]\",5\n"
                                     "3,5,32,0.6531,\"[0; 4, 5]\",5\n"
                                     "3,16,32,0.6531,\"[0; 1, 3, 5]\",5\n"
                                     "3,17,32,0.6531,\"[0; 1, 4, 4]\",4\n"
                                     "7,2,29,0.5918,\"[0; 10, 2]\",10\n"
                                     "7,10,29,0.5918,\"[0; 2, 10]\",10\n"
                                     "7,11,29,0.5918,\"[0; 1, 1, 10]\",10\n"
                                     "7,19,29,0.5918,\"[0; 1, 9, 2]\",9\n"
                                     "11,1,20,0.4082,\"[0; 21]\",21\n"
                                     "11,20,20,0.4082,\"[0; 1, 20]\",20\n"));

    const Run json = zyklar(split("rangliste 21 --top 3 --format json"));
    const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[2].toObject(),
             QJsonObject({{"rang", 3}, {"k", 4}, {"summe", 32}, {"anteil", 0.6531},
                          {"kettenbruch", QJsonArray({0, 5, 4})}, {"groesster_teilnenner", 5}}));

    // For reading: a header, German decimal commas, aligned columns.
    const Run text = zyklar(split("rangliste 21 --top 2"));
    const QStringList lines = text.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith(QStringLiteral("Rang")));
    QVERIFY(lines[0].endsWith(QStringLiteral("größter Teilnenner")));
    QVERIFY(lines[1].contains(QStringLiteral("0,7755")));
    QCOMPARE(lines[1].indexOf(u'['), lines[2].indexOf(u'['));
}

void TestCommandLine::ranglisteTopOfALargeN()
{
    const Run run = zyklar(split("rangliste 10000000 --top 5 --format csv"));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QStringList rows = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 6);
    // Mirror images share a rank, so the top five hold two or more pairs.
    const QStringList first = rows[1].split(u','), second = rows[2].split(u',');
    QCOMPARE(first[0], QStringLiteral("1"));
    QCOMPARE(second[0], QStringLiteral("1"));
    QCOMPARE(first[2], second[2]);
}

void TestCommandLine::summePast64Bits()
{
    const Run run = zyklar(split("summe 1000000000000000000 618033988749894849 --format json"));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QVERIFY2(run.out.startsWith(QStringLiteral("{\"n\":1000000000000000000,\"k\":618033988749894849,"
                                               "\"summe\":20447317494464629228,\"anteil\":0.5036,")),
             qPrintable(run.out));

    const Run text = zyklar(split("summe 21 8"));
    QCOMPARE(text.out, QStringLiteral("N = 21, k = 8\nSumme: 38\nAnteil: 0,7755\n"
                                      "Kettenbruch: [0; 2, 1, 1, 1, 2]\ngrößter Teilnenner: 2\n"));
    const Run csv = zyklar(split("summe 21 8 --format csv"));
    QCOMPARE(csv.out, QStringLiteral("n,k,summe,anteil,kettenbruch,groesster_teilnenner\n"
                                     "21,8,38,0.7755,\"[0; 2, 1, 1, 1, 2]\",2\n"));
}

void TestCommandLine::multiplierIsReducedAsTheWindowDoes()
{
    const Run divided = zyklar(split("analyse 21 6 --format csv"));
    QCOMPARE(divided.status, 0);
    QCOMPARE(divided.err, QStringLiteral("Der gemeinsame Teiler 3 wird herausgekürzt\n"));
    QCOMPARE(divided.out, zyklar(split("analyse 7 2 --format csv")).out);

    const QString expected = zyklar(split("summe 21 8")).out;
    QCOMPARE(zyklar(split("summe 21 29")).out, expected);
    // K of any length is taken modulo N: 10^6 ≡ 1 (mod 21), so
    // 10^40 ≡ 10^4 ≡ 4, and 10^40 + 4 ≡ 8.
    const Run long_ = zyklar({"summe", "21", "10000000000000000000000000000000000000004"});
    QCOMPARE(long_.status, 0);
    QCOMPARE(long_.out, expected);
}

void TestCommandLine::usageErrors_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("letters") << "analyse abc 8" << "„abc“";
    QTest::newRow("sign") << "analyse 21 -8" << "Vorzeichen";
    QTest::newRow("plus sign") << "summe +21 8" << "„+21“";
    QTest::newRow("fraction") << "analyse 21 2.5" << "„2.5“";
    QTest::newRow("exponent") << "rangliste 1e3" << "„1e3“";
    QTest::newRow("N = 1") << "analyse 1 1" << "zwischen 2 und 1000000";
    QTest::newRow("analyse N too large") << "analyse 1000001 3" << "1000001";
    QTest::newRow("rangliste N too large") << "rangliste 1000000001" << "1000000000";
    QTest::newRow("summe N past 10^18") << "summe 1000000000000000001 3" << "1000000000000000001";
    QTest::newRow("N past 64 bits") << "summe 99999999999999999999999 3" << "liegen";
    QTest::newRow("K a multiple of N") << "analyse 21 42" << "Vielfaches";
    QTest::newRow("K = 0") << "summe 21 0" << "Vielfaches";
    QTest::newRow("too few") << "analyse 21" << "zu wenige";
    QTest::newRow("too many") << "rangliste 21 8" << "zu viele";
    QTest::newRow("unknown command") << "sortiere 21" << "„sortiere“";
    QTest::newRow("no command") << "--format csv" << "kein Befehl";
    QTest::newRow("unknown option") << "rangliste 21 --bunt" << "„--bunt“";
    QTest::newRow("unknown short option") << "rangliste 21 -x" << "„-x“";
    QTest::newRow("unknown format") << "summe 21 8 --format xml" << "„xml“";
    QTest::newRow("format without value") << "summe 21 8 --format" << "Wert";
    QTest::newRow("top elsewhere") << "analyse 21 8 --top 3" << "gilt nicht für analyse";
    QTest::newRow("top 0") << "rangliste 21 --top 0" << "mindestens 1";
    QTest::newRow("top negative") << "rangliste 21 --top -3" << "Vorzeichen";
}

void TestCommandLine::usageErrors()
{
    QFETCH(QString, arguments);
    QFETCH(QString, mentions);
    const Run run = zyklar(split(arguments));
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith(QStringLiteral("zyklar: ")), qPrintable(run.err));
    QCOMPARE(run.err.count(u'\n'), 1);
    QVERIFY(run.err.endsWith(u'\n'));
    QVERIFY2(run.err.contains(mentions), qPrintable(run.err));
}

void TestCommandLine::helpAndVersion_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("begins");
    QTest::newRow("--help") << "--help" << "Aufruf: zyklar [BEFEHL";
    QTest::newRow("-h") << "-h" << "Aufruf: zyklar [BEFEHL";
    QTest::newRow("analyse --help") << "analyse --help" << "Aufruf: zyklar analyse N K";
    QTest::newRow("help wins over bad numbers") << "rangliste x --help" << "Aufruf: zyklar rangliste N";
    QTest::newRow("--version") << "--version" << "zyklar 1.";
}

void TestCommandLine::helpAndVersion()
{
    QFETCH(QString, arguments);
    QFETCH(QString, begins);
    const Run run = zyklar(split(arguments));
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QVERIFY2(run.out.startsWith(begins), qPrintable(run.out));
}

void TestCommandLine::progressOnlyOnATerminal()
{
    // About two seconds of work on two cores.
    const QStringList arguments = split("rangliste 100000000 --top 1 --format csv");
    const Run piped = zyklar(arguments);
    QCOMPARE(piped.status, 0);
    QCOMPARE(piped.err, QString());

    // script(1) gives the program a terminal; what it shows comes back on
    // script's standard output.
    QProcess script;
    script.start(QStringLiteral("script"),
                 {"-qec", QStringLiteral(ZYKLAR_PROGRAM " ") + arguments.join(u' '), "/dev/null"});
    if (!script.waitForStarted())
        QSKIP("script(1) is not installed");
    QVERIFY(script.waitForFinished(60000));
    const QString terminal = QString::fromUtf8(script.readAllStandardOutput());
    QVERIFY2(terminal.contains(QStringLiteral("Rangliste für N = 100000000:")), qPrintable(terminal));
    QVERIFY(terminal.contains(piped.out.split(u'\n')[1]));
}

void TestCommandLine::failedWriteIsReported()
{
    const Run full = zyklar(split("rangliste 5000"), QStringLiteral("/dev/full"));
    QCOMPARE(full.status, 1);
    QVERIFY2(full.err.startsWith(QStringLiteral("zyklar: ")), qPrintable(full.err));
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
