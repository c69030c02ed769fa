// `zyklar` with arguments as a separate process with no display: its exit
// statuses as grep and diff have them, a closed pipe, a full disk, and its
// progress, which a terminal shows and standard output never gets.

#include "testsupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/types.h>

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

// A shell command line under script(1), which gives it a terminal; what the
// terminal showed comes back.
QString underTerminal(const QString &commandLine)
{
    QProcess script;
    script.start(QStringLiteral("script"), {"-qec", commandLine, "/dev/null"});
    if (!script.waitForStarted())
        return {};
    script.waitForFinished(120000);
    return QString::fromUtf8(script.readAllStandardOutput());
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void exitStatuses_data();
    void exitStatuses();
    void fullDiskExitsOne();
    void closedPipeEndsTheRun();
    void progressOnlyOnTheTerminal();
    void kennzahlenFromStandardInput_data();
    void kennzahlenFromStandardInput();
    void helpToAFullDiskExitsOne();
    void badLineNamesItsNumber_data();
    void badLineNamesItsNumber();
    void signalLeavesWholeRows_data();
    void signalLeavesWholeRows();
};

void TestCommandLine::exitStatuses_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("done") << "summe 21 8" << 0;
    QTest::newRow("picture without a display") << "bild 21 8 --ausgabe %1/bild.png" << 0;
    QTest::newRow("picture into a missing folder") << "bild 21 8 --ausgabe /gibt/es/nicht/x.png" << 1;
    QTest::newRow("usage error") << "rangliste 21 --bunt" << 2;
    QTest::newRow("help") << "--help" << 0;
}

void TestCommandLine::exitStatuses()
{
    QFETCH(QString, arguments);
    QFETCH(int, status);
    QTemporaryDir folder;
    const Run run = zyklar(split(arguments.arg(folder.path())));
    QCOMPARE(run.status, status);
    if (status == 0) {
        QCOMPARE(run.err, QString());
    } else {
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.startsWith(QStringLiteral("zyklar: ")), qPrintable(run.err));
        QCOMPARE(run.err.count(u'\n'), 1);
    }
}

void TestCommandLine::fullDiskExitsOne()
{
    const Run full = zyklar(split("rangliste 5000"), QStringLiteral("/dev/full"));
    QCOMPARE(full.status, 1);
    QCOMPARE(full.err, QStringLiteral("zyklar: die Ergebnisse ließen sich nicht vollständig "
                                      "schreiben\n"));
}

void TestCommandLine::closedPipeEndsTheRun()
{
    // The reader stops after one line; the ranking of a million is cut short
    // by the closed pipe, as grep is, instead of running on unread.
    QProcess shell;
    shell.start(QStringLiteral("bash"),
                {"-c", QStringLiteral(ZYKLAR_PROGRAM " rangliste 1000000 | head -n 1; "
                                                     "echo \"${PIPESTATUS[0]}\"")});
    QVERIFY(shell.waitForFinished(30000));
    const QStringList lines = QString::fromUtf8(shell.readAllStandardOutput()).split(u'\n');
    QVERIFY(lines[0].startsWith(QStringLiteral("  Rang")));
    QCOMPARE(lines[1], QStringLiteral("141")); // 128 + SIGPIPE
    QCOMPARE(shell.readAllStandardError(), QByteArray());
}

void TestCommandLine::kennzahlenFromStandardInput_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("text") << "text";
    QTest::newRow("csv") << "csv";
    QTest::newRow("json") << "json";
}

void TestCommandLine::kennzahlenFromStandardInput()
{
    // "-" reads the K one a line, blank lines and blanks around them
    // skipped, CR LF too: the same rows as the K given as arguments.
    QFETCH(QString, format);
    QProcess process;
    process.start(QStringLiteral(ZYKLAR_PROGRAM),
                  {"kennzahlen", "2^31-1", "-", "--dimensionen", "5", "--format", format});
    QVERIFY(process.waitForStarted());
    process.write("16807\n\n  48271 \r\n0x10FF5");
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const Run given = zyklar(split("kennzahlen 2147483647 16807 48271 69621 --dimensionen 5 --format ")
                             << format);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), given.out);

    // Many K: written as they come, far past the argument list.
    QProcess many;
    many.start(QStringLiteral("bash"),
               {"-c", QStringLiteral("seq 1 2 400001 | " ZYKLAR_PROGRAM
                                     " kennzahlen 2^64 - --dimensionen 2 --format csv | wc -l")});
    QVERIFY(many.waitForFinished(120000));
    QCOMPARE(QString::fromUtf8(many.readAllStandardOutput()).trimmed(), QStringLiteral("200002"));
    // --rang needs every K at once: not from standard input.
    QCOMPARE(zyklar(split("kennzahlen 21 - --rang")).status, 2);
}

void TestCommandLine::helpToAFullDiskExitsOne()
{
    for (const QString &arguments : {QStringLiteral("--help"), QStringLiteral("--version"),
                                     QStringLiteral("rangliste --help")}) {
        const Run full = zyklar(split(arguments), QStringLiteral("/dev/full"));
        QCOMPARE(full.status, 1);
        QVERIFY(full.err.startsWith(QStringLiteral("zyklar: ")));
    }
}

void TestCommandLine::progressOnlyOnTheTerminal()
{
    // About two seconds of work on two cores.
    const QString arguments = QStringLiteral("rangliste 100000000 --top 1 --format csv");
    const Run piped = zyklar(split(arguments));
    QCOMPARE(piped.status, 0);
    QCOMPARE(piped.err, QString());

    const QString program = QStringLiteral(ZYKLAR_PROGRAM " ") + arguments;
    const QString terminal = underTerminal(program);
    if (terminal.isEmpty())
        QSKIP("script(1) is not installed");
    QVERIFY2(terminal.contains(QStringLiteral("Rangliste für N = 100000000:")), qPrintable(terminal));
    QVERIFY(terminal.contains(piped.out.split(u'\n')[1]));

    // Standard output redirected to a file while standard error is the
    // terminal: the progress stays on the terminal, the file gets the data.
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("rangliste.csv"));
    underTerminal(program + QStringLiteral(" > ") + file);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(written.readAll()), piped.out);
}

// "kennzahlen 2^31-1 -" with standard input left open, as a pipe from a
// producer that is still at work.
struct Streaming {
    QProcess process;

    explicit Streaming(const QString &format)
    {
        process.start(QStringLiteral(ZYKLAR_PROGRAM),
                      {"kennzahlen", "2^31-1", "-", "--format", format});
        if (!process.waitForStarted())
            qFatal("zyklar did not start");
    }
    // What comes out of giving one more K, once its row is there, or
    // within five seconds.
    QByteArray answer(const QByteArray &k)
    {
        process.write(k + '\n');
        QByteArray out;
        for (int i = 0; i < 50 && !out.contains(k); ++i) {
            process.waitForReadyRead(100);
            out += process.readAllStandardOutput();
        }
        return out;
    }
};

void TestCommandLine::badLineNamesItsNumber_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("bad");
    QTest::newRow("csv, letters") << "csv" << QByteArray("abc");
    QTest::newRow("json, a multiple of N") << "json" << QByteArray("2^31-1");
    QTest::newRow("text, a sign") << "text" << QByteArray("-5");
    QTest::newRow("csv, a line of a million digits") << "csv" << QByteArray(1'000'000, '7');
}

void TestCommandLine::badLineNamesItsNumber()
{
    // The rows before a bad line stay, whole, JSON closed; one line names
    // the bad one; exit status 2.
    QFETCH(QString, format);
    QFETCH(QByteArray, bad);
    QProcess process;
    process.start(QStringLiteral(ZYKLAR_PROGRAM), {"kennzahlen", "2^31-1", "-", "--dimensionen",
                                                   "3", "--format", format});
    QVERIFY(process.waitForStarted());
    QByteArray input;
    for (int k = 1; k <= 2000; ++k)
        input += QByteArray::number(k) + '\n';
    process.write(input + "\n" + bad + "\n5\n");
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(err.section(u':', 0, 1), QStringLiteral("zyklar: Zeile 2002 der Standardeingabe"));
    QCOMPARE(err.count(u'\n'), 1);
    const QByteArray out = process.readAllStandardOutput();
    if (format == "json") {
        QJsonParseError error;
        const QJsonDocument rows = QJsonDocument::fromJson(out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(rows.array().size(), 2000);
    } else {
        QVERIFY(out.endsWith('\n'));
        QCOMPARE(out.count('\n'), 2001); // the header and every row before
    }
}

void TestCommandLine::signalLeavesWholeRows_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("fromFile");
    QTest::newRow("csv, SIGINT") << "csv" << SIGINT << false;
    QTest::newRow("json, SIGINT") << "json" << SIGINT << false;
    QTest::newRow("json, SIGTERM") << "json" << SIGTERM << false;
    QTest::newRow("text, SIGTERM") << "text" << SIGTERM << false;
    QTest::newRow("json, SIGINT, from a long file") << "json" << SIGINT << true;
}

void TestCommandLine::signalLeavesWholeRows()
{
    // Each row comes out as its K is answered while the pipe stays open.
    // Interrupted while it waits for more K, or while it works through a
    // file that never makes it wait, it closes what it wrote and ends by
    // the signal, as Ctrl-C ends it.
    QFETCH(QString, format);
    QFETCH(int, signal);
    QFETCH(bool, fromFile);
    QByteArray out;
    QProcess process;
    QTemporaryDir folder;
    int rows = 2;
    if (fromFile) {
        QFile input(folder.filePath(QStringLiteral("k.txt")));
        QVERIFY(input.open(QIODevice::WriteOnly));
        for (int k = 1; k <= 1'000'000; k += 2)
            input.write(QByteArray::number(k) + '\n');
        input.close();
        process.setStandardInputFile(input.fileName());
        process.start(QStringLiteral(ZYKLAR_PROGRAM), {"kennzahlen", "2^64", "-", "--format", format});
        QVERIFY(process.waitForStarted());
        QTest::qWait(500);
        ::kill(pid_t(process.processId()), signal);
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        out = process.readAllStandardOutput();
        rows = int(out.count("{"));
        QVERIFY2(rows > 0 && rows < 500'000, qPrintable(QString::number(rows)));
    } else {
        Streaming zyklar(format);
        for (const QByteArray k : {"16807", "48271"}) {
            const QByteArray answer = zyklar.answer(k);
            QVERIFY2(answer.contains(k), answer.constData());
            out += answer;
        }
        ::kill(pid_t(zyklar.process.processId()), signal);
        QVERIFY(zyklar.process.waitForFinished(10000));
        out += zyklar.process.readAllStandardOutput();
        QCOMPARE(zyklar.process.exitStatus(), QProcess::CrashExit);
    }
    QVERIFY(out.endsWith('\n'));
    if (format == "json") {
        QJsonParseError error;
        QCOMPARE(QJsonDocument::fromJson(out, &error).array().size(), rows);
        QCOMPARE(error.error, QJsonParseError::NoError);
    } else {
        QCOMPARE(out.count('\n'), 3);
    }
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
