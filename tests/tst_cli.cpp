// The command line run in this process through cli::run: every command's
// output, byte for byte, for a table of invocations kept beside this test;
// the window's texts; the machine formats read back; the numbers reduced as
// the window reduces them.

#include "app/application.h"
#include "app/form1.h"
#include "cli/command.h"
#include "formcontrols.h"
#include "testsupport.h"

#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <numeric>

namespace {

using testsupport::Run;

Run command(const QString &arguments)
{
    return testsupport::runCommand(arguments);
}

Run command(const QStringList &arguments)
{
    return testsupport::runCommand(arguments);
}

// What a recorded invocation wrote to one stream; no file is nothing.
QString recorded(const QString &name, const char *stream)
{
    QFile file(QStringLiteral(ZYKLAR_CLI_RECORDS "/%1.%2").arg(name, QLatin1String(stream)));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The first German name of a command, an option, a ranking's key or a
// placeholder in an English text, or nothing. The overview's paragraph
// "Also in German:" lists them on purpose and is passed over.
QString germanNameIn(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("Also in German:.*?\n\n"),
                                   QRegularExpression::DotMatchesEverythingOption));
    QStringList names;
    for (const cli::Command *command : cli::everyCommand())
        names << QLatin1String(command->name.german);
    for (const cli::OptionDescription &option : cli::everyOption()) {
        if (option.name.english)
            names << QStringLiteral("--%1").arg(QLatin1String(option.name.german));
        if (option.value.english)
            names << QLatin1String(option.value.german);
    }
    for (numbers::Criterion criterion : numbers::rankingCriteria) {
        const numbers::FigureEntry &entry = numbers::entryOf(criterion);
        if (entry.englishKey)
            names << QLatin1String(entry.sortKey);
    }
    for (const QString &name : names) {
        if (text.contains(QRegularExpression(
                    QStringLiteral("(^|[^\\w-])%1(?![\\w.-])").arg(QRegularExpression::escape(name)))))
            return name;
    }
    return {};
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void recordedOutputs_data();
    void recordedOutputs();
    void textIsTheWindowsText_data();
    void textIsTheWindowsText();
    void beyond999EveryDigitStays();
    void analyseJsonAddsUp();
    void machineFormatsAreWellFormed();
    void ranglisteTopOfALargeN();
    void multiplierIsReducedAsTheWindowDoes();
    void lueckenAgainstSortedPositions();
    void partsMergeIntoTheWhole_data();
    void partsMergeIntoTheWhole();
    void partsKeepTheirRows();
    void mergesThatCannotGoRight_data();
    void mergesThatCannotGoRight();
    void notationsAreTheSameNumber_data();
    void notationsAreTheSameNumber();
    void englishNamesAreTheSameCommands_data();
    void englishNamesAreTheSameCommands();
    void manualsAreInStep();
    void helpOffersWhatTheParserTakes();
    void animationsOfEveryStep_data();
    void animationsOfEveryStep();

private:
    testsupport::ScreenSize m_screen{1024, 768};
};

void TestCli::recordedOutputs_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("analyse_21_8") << "analyse 21 8" << 0;
    QTest::newRow("analyse_7_3") << "analyse 7 3" << 0;
    QTest::newRow("analyse_2_1") << "analyse 2 1" << 0;
    QTest::newRow("analyse_200_77") << "analyse 200 77" << 0;
    QTest::newRow("analyse_1009_390") << "analyse 1009 390" << 0;
    QTest::newRow("analyse_csv") << "analyse 7 3 --format csv" << 0;
    QTest::newRow("analyse_json") << "analyse 21 8 --format json" << 0;
    QTest::newRow("analyse_json_equals") << "analyse 7 3 --format=json" << 0;
    QTest::newRow("analyse_divisor") << "analyse 21 6 --format csv" << 0;
    QTest::newRow("analyse_k_above_n") << "analyse 21 29 --format csv" << 0;
    QTest::newRow("rangliste_21") << "rangliste 21" << 0;
    QTest::newRow("rangliste_21_csv") << "rangliste 21 --format csv" << 0;
    QTest::newRow("rangliste_21_top3_json") << "rangliste 21 --top 3 --format json" << 0;
    QTest::newRow("rangliste_2") << "rangliste 2" << 0;
    QTest::newRow("rangliste_3_json") << "rangliste 3 --format json" << 0;
    QTest::newRow("rangliste_2p20_top3_csv") << "rangliste 1048576 --top 3 --format csv" << 0;
    QTest::newRow("rangliste_1000_top5") << "rangliste 1000 --top 5" << 0;
    QTest::newRow("rangliste_100_top4_json") << "rangliste 100 --format json --top 4" << 0;
    QTest::newRow("rangliste_top_past_count") << "rangliste 10 --top 100" << 0;
    QTest::newRow("summe_21_8") << "summe 21 8" << 0;
    QTest::newRow("summe_21_8_csv") << "summe 21 8 --format csv" << 0;
    QTest::newRow("summe_21_8_json") << "summe 21 8 --format json" << 0;
    QTest::newRow("summe_1e18") << "summe 1000000000000000000 618033988749894849" << 0;
    QTest::newRow("summe_1e18_json") << "summe 1000000000000000000 618033988749894849 --format json" << 0;
    QTest::newRow("summe_long_k") << "summe 21 10000000000000000000000000000000000000004" << 0;
    QTest::newRow("summe_2_1_csv") << "summe 2 1 --format csv" << 0;
    QTest::newRow("help") << "--help" << 0;
    QTest::newRow("help_short") << "-h" << 0;
    QTest::newRow("help_analyse") << "analyse --help" << 0;
    QTest::newRow("help_rangliste") << "rangliste --help" << 0;
    QTest::newRow("help_summe") << "summe --help" << 0;
    QTest::newRow("help_bild") << "bild --help" << 0;
    QTest::newRow("help_wins") << "rangliste x --help" << 0;
    QTest::newRow("version") << "--version" << 0;
    QTest::newRow("error_letters") << "analyse abc 8" << 2;
    QTest::newRow("error_sign") << "analyse 21 -8" << 2;
    QTest::newRow("error_n_1") << "analyse 1 1" << 2;
    QTest::newRow("error_too_many") << "rangliste 21 8" << 2;
    QTest::newRow("error_too_few") << "analyse 21" << 2;
    QTest::newRow("error_unknown_command") << "sortiere 21" << 2;
    QTest::newRow("error_format") << "summe 21 8 --format xml" << 2;
    QTest::newRow("error_format_value") << "summe 21 8 --format" << 2;
    QTest::newRow("error_top_elsewhere") << "analyse 21 8 --top 3" << 2;
    QTest::newRow("error_top_0") << "rangliste 21 --top 0" << 2;
    QTest::newRow("error_no_command") << "--format csv" << 2;
    QTest::newRow("error_n_past_128_bits") << "summe 2^128+1 3" << 2;
    QTest::newRow("error_k_multiple") << "summe 21 42" << 2;
    QTest::newRow("error_unknown_option") << "rangliste 21 --bunt" << 2;
    QTest::newRow("error_short_option") << "rangliste 21 -x" << 2;
    QTest::newRow("error_bild_no_output") << "bild 21 8" << 2;
    QTest::newRow("error_bild_type") << "bild 21 8 --ausgabe bild.txt" << 2;
    QTest::newRow("error_bild_skala") << "bild 21 8 --ausgabe bild.svg --skala 2" << 2;
    QTest::newRow("error_bild_skala_value") << "bild 21 8 --ausgabe bild.png --skala 3" << 2;
    QTest::newRow("error_bild_n") << "bild 1001 8 --ausgabe bild.png" << 2;
    QTest::newRow("error_plus_sign") << "summe +21 8" << 2;
    QTest::newRow("error_fraction") << "analyse 21 2.5" << 2;
    QTest::newRow("error_exponent") << "rangliste 1e3" << 2;
    QTest::newRow("error_analyse_n_large") << "analyse 1000001 3" << 2;
    QTest::newRow("error_rangliste_n_large") << "rangliste 1000000001" << 2;
    QTest::newRow("summe_past_1e18") << "summe 1000000000000000001 3" << 0;
    QTest::newRow("error_k_zero") << "summe 21 0" << 2;
    QTest::newRow("error_top_negative") << "rangliste 21 --top -3" << 2;
    QTest::newRow("summe_2p64_golden") << "summe 18446744073709551616 11400714819323198485" << 0;
    QTest::newRow("kennzahlen_2p32") << "kennzahlen 4294967296 2654435769 1664525" << 0;
    QTest::newRow("kennzahlen_minstd_csv") << "kennzahlen 2147483647 16807 48271 --format csv" << 0;
    QTest::newRow("kennzahlen_2p64_json") << "kennzahlen 18446744073709551616 11400714819323198485 --format json" << 0;
    QTest::newRow("kennzahlen_rang") << "kennzahlen 21 8 5 --rang" << 0;
    QTest::newRow("kennzahlen_rang_divisor_json") << "kennzahlen 21 8 6 --rang --format json" << 0;
    QTest::newRow("rangliste_nach_spektral") << "rangliste 21 --nach spektral" << 0;
    QTest::newRow("rangliste_nach_verhaeltnis_csv") << "rangliste 21 --nach verhaeltnis --format csv" << 0;
    QTest::newRow("rangliste_nach_teilnenner") << "rangliste 21 --nach teilnenner --top 4" << 0;
    QTest::newRow("rangliste_nach_zaremba_json") << "rangliste 21 --nach zaremba --format json --top 3" << 0;
    QTest::newRow("rangliste_range") << "rangliste 1000 --von 600 --bis 640 --top 5" << 0;
    QTest::newRow("rangliste_2p64_range") << "rangliste 18446744073709551616 --von 11400714819323198000 --bis 11400714819323199000 --top 3 --nach spektral" << 0;
    QTest::newRow("help_kennzahlen") << "kennzahlen --help" << 0;
    QTest::newRow("error_nach") << "rangliste 21 --nach bunt" << 2;
    QTest::newRow("error_rangliste_past_2p32") << "rangliste 4294967297 --top 1" << 2;
    QTest::newRow("error_range_too_wide") << "rangliste 18446744073709551616 --von 1 --bis 8589934592 --top 1" << 2;
    QTest::newRow("error_range_one_past_limit") << "rangliste 18446744073709551616 --von 1 --bis 4294967297 --top 1" << 2;
    QTest::newRow("error_range_backwards") << "rangliste 21 --von 15 --bis 10" << 2;
    QTest::newRow("error_rang_past_2p32") << "kennzahlen 4294967297 3 --rang" << 2;
    QTest::newRow("error_kennzahlen_no_k") << "kennzahlen 21" << 2;
    QTest::newRow("luecken_21_8") << "luecken 21 8" << 0;
    QTest::newRow("luecken_10_3_csv") << "luecken 10 3 --format csv" << 0;
    QTest::newRow("luecken_schritt_json") << "luecken 21 8 --schritt 7 --format json" << 0;
    QTest::newRow("help_luecken") << "luecken --help" << 0;
    QTest::newRow("error_luecken_schritt") << "luecken 21 8 --schritt 21" << 2;
    QTest::newRow("error_luecken_n") << "luecken 1000001 3" << 2;
    QTest::newRow("error_animation_n") << "luecken 2000 3 --animation x.gif" << 2;
    QTest::newRow("error_animation_type") << "luecken 21 8 --animation x.png" << 2;
    QTest::newRow("error_golden_alone") << "luecken 21 8 --golden" << 2;
    QTest::newRow("error_animation_folder") << "luecken 21 8 --animation /nonexistent/x.gif" << 1;
    QTest::newRow("kennzahlen_dimensionen_4_csv") << "kennzahlen 2147483647 16807 48271 69621 --dimensionen 4 --format csv" << 0;
    QTest::newRow("rangliste_guete_mcg") << "rangliste 2147483647 --von 1 --bis 100000 --nach guete --dimensionen 6 --generator mcg --top 5" << 0;
    QTest::newRow("rangliste_guete_lcg_json") << "rangliste 1024 --nach guete --generator lcg --top 3 --format json" << 0;
    QTest::newRow("error_generator") << "rangliste 21 --generator xorshift" << 2;
    QTest::newRow("error_dimensionen") << "kennzahlen 21 8 --dimensionen 25" << 2;
    QTest::newRow("kennzahlen_dimensionen_24") << "kennzahlen 2^64 0xf1357aea2e62a9c5 --generator mcg --dimensionen 24" << 0;
    QTest::newRow("error_von_without_value") << "rangliste 21 --von" << 2;
    QTest::newRow("error_top_before_option") << "rangliste 21 --top --format csv" << 2;
    QTest::newRow("rangliste_range_past_2p32_no_top") << "rangliste 4294967311 --von 5 --bis 12 --format csv" << 0;
    QTest::newRow("rangliste_empty_range") << "rangliste 22 --von 2 --bis 2" << 0;
    // The worked examples of the manual page and the README.
    QTest::newRow("manual_2p64_golden") << "kennzahlen 18446744073709551616 11400714819323198485" << 0;
    QTest::newRow("manual_luecken") << "luecken 21 8 --schritt 7 --format csv" << 0;
    QTest::newRow("manual_2p16_rang") << "kennzahlen 65536 40503 --rang" << 0;
    QTest::newRow("manual_near_golden_2p64") << "rangliste 18446744073709551616 --von 11400714819323188485 --bis 11400714819323208485 --nach spektral --top 5" << 0;
    QTest::newRow("help_zusammenfuehren") << "zusammenfuehren --help" << 0;
    QTest::newRow("error_teil_past_the_range") << "rangliste 21 --teil 1/30" << 2;
    QTest::newRow("error_rang_from_input") << "kennzahlen 21 - --rang" << 2;
    QTest::newRow("error_no_part_file") << "zusammenfuehren 21 /nonexistent/teil1.csv" << 1;
    // An MCG of 2^e on the lattice of its orbit, modulo 2^(e−2).
    QTest::newRow("manual_mcg_own_lattice") << "kennzahlen 2^64 0xf1357aea2e62a9c5 --generator mcg" << 0;
    QTest::newRow("kennzahlen_mcg_csv") << "kennzahlen 2^64 0xf1357aea2e62a9c5 3 --generator mcg --format csv" << 0;
    QTest::newRow("rangliste_mcg_2p10") << "rangliste 1024 --generator mcg --nach guete --top 5" << 0;
    QTest::newRow("error_kennzahlen_mcg_period") << "kennzahlen 2^64 0xf1357aea2e62a9c5 7 --generator mcg" << 2;
    QTest::newRow("error_rang_generator") << "kennzahlen 21 8 --rang --generator lcg" << 2;
    // The harmonic score and the lagged figure, last.
    QTest::newRow("rangliste_harmonisch") << "rangliste 2^64 --von 11400714819323198000 --bis 11400714819323199000 --nach harmonisch --top 3" << 0;
    QTest::newRow("rangliste_versatzguete_mcg_csv") << "rangliste 2^32 --von 2^31 --bis 2147500000 --generator mcg --nach versatzguete --top 3 --format csv" << 0;
    QTest::newRow("kennzahlen_versatz") << "kennzahlen 2^64 0xf1357aea2e62a9c5 --generator mcg --versatz 2" << 0;
    QTest::newRow("error_versatz_one_point") << "kennzahlen 8 5 --generator mcg --versatz 2" << 2;
    QTest::newRow("error_versatz_0") << "kennzahlen 2^64 5 --versatz 0" << 2;
    // Refused before a line is read, not once the table is written.
    QTest::newRow("error_versatz_one_point_input") << "kennzahlen 8 - --generator mcg --versatz 2" << 2;
    // Today's 128-bit generators: Java's LXM and NumPy's PCG64 multipliers,
    // a 64-bit MCG multiplier of 2^128 on its own lattice, N in 33 hex digits.
    QTest::newRow("manual_2p128_lcg") << "kennzahlen 2^128 2^64+0xd605bbb58c8abbfd 0x2360ed051fc65da44385df649fccf645 --generator lcg" << 0;
    QTest::newRow("kennzahlen_2p128_mcg_csv") << "kennzahlen 2^128 0xda942042e4dd58b5 --generator mcg --format csv" << 0;
    QTest::newRow("summe_2p128_hex_json") << "summe 0x100000000000000000000000000000000 1 --format json" << 0;
    QTest::newRow("summe_past_2p64") << "summe 99999999999999999999999 3" << 0;
    QTest::newRow("error_kennzahlen_past_2p128") << "kennzahlen 340282366920938463463374607431768211457 3" << 2;
    QTest::newRow("rangliste_2p128_mcg") << "rangliste 2^128 --von 14923729446516375050 --bis 14923729446516377050 --generator mcg --nach guete --top 5" << 0;
    QTest::newRow("error_part_too_large") << "rangliste 2^128 --von 1 --bis 2^100 --teil 3/1000 --top 3" << 2;
    QTest::newRow("error_rangliste_past_2p128") << "rangliste 2^128+1 --von 1 --bis 5" << 2;
    QTest::newRow("error_generator_factors_too_large") << "kennzahlen 170141183460469232386546718332573188473 3 --generator mcg" << 2;
}

void TestCli::recordedOutputs()
{
    // Each invocation in German, as the C locale gives it and as
    // --sprache de asks for it, and in English, as --sprache en asks for it
    // and as an English locale gives it.
    QFETCH(QString, arguments);
    QFETCH(int, status);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const Run run = command(arguments);
    QCOMPARE(run.out, recorded(name, "out"));
    QCOMPARE(run.err, recorded(name, "err"));
    QCOMPARE(run.status, status);
    const QStringList words = arguments.split(u' ', Qt::SkipEmptyParts);
    const Run german = command(QStringList{"--sprache", "de"} + words);
    const Run english = command(QStringList{"--sprache=en"} + words);
    Run localeEnglish;
    {
        const testsupport::Locale locale("en_US.UTF-8");
        localeEnglish = command(words);
    }
    QCOMPARE(german.out, run.out);
    QCOMPARE(german.err, run.err);
    QCOMPARE(localeEnglish.out, english.out);
    QCOMPARE(localeEnglish.err, english.err);
    QCOMPARE(english.status, status);

    // English has no German left, not even a name; CSV and JSON are the
    // same in both.
    const bool machine
            = arguments.contains(QStringLiteral("csv")) || arguments.contains(QStringLiteral("json"));
    for (const QString &text : {english.out, english.err}) {
        QVERIFY2(testsupport::germanIn(text).isEmpty(),
                 qPrintable(testsupport::germanIn(text) + u'\n' + text));
        if (!machine || &text == &english.err)
            QVERIFY2(germanNameIn(text).isEmpty(), qPrintable(germanNameIn(text) + u'\n' + text));
    }
    if (machine)
        QCOMPARE(english.out, run.out);
    // A usage error is one line on standard error and nothing else.
    if (status == 2) {
        for (const Run *each : {&run, &english}) {
            QVERIFY(each->out.isEmpty());
            QVERIFY(each->err.startsWith(QStringLiteral("zyklar: ")));
            QCOMPARE(each->err.count(u'\n'), 1);
        }
    }
}

void TestCli::textIsTheWindowsText_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::newRow("start values") << 21 << 8;
    QTest::newRow("7, 3") << 7 << 3;
    QTest::newRow("2, 1") << 2 << 1;
    QTest::newRow("200, 77: columns touch") << 200 << 77;
    QTest::newRow("101, 100") << 101 << 100;
}

void TestCli::textIsTheWindowsText()
{
    QFETCH(int, n);
    QFETCH(int, k);
    testsupport::MessageAnswers answers;
    const auto form = startZyklar();
    form->cmdclear_Click();
    ui::of(*form).txtN->setText(QString::number(n));
    ui::of(*form).txtk->setText(QString::number(k));
    ui::of(*form).Command2->click();

    const auto lf = [](QString text) { return text.replace(QStringLiteral("\r\n"), "\n"); };
    const QString window = "Die Folge\n" + ui::of(*form).txtFolge->text() + "\n\n"
            + "getrennt nach rechtem und linkem Nachbarn\n" + lf(ui::of(*form).txtAbs->text()) + "\n"
            + "Folge der Minimalabstände\n" + lf(ui::of(*form).txtAbstand->text()) + "\n"
            + "  k:  Summe\n" + lf(ui::of(*form).txtSumme->text()) + "\n"
            + "Reihenfolge der Felderbelegung / Permutation\n" + lf(ui::of(*form).txtAusgabe->text());

    const Run run = command(QStringList{"analyse", QString::number(n), QString::number(k)});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, window);
}

void TestCli::beyond999EveryDigitStays()
{
    // At N = 1009 the columns are five wide ("␣1009"), so every number of
    // a row can be read back and agrees with the CSV.
    const Run text = command("analyse 1009 390");
    const Run csv = command("analyse 1009 390 --format csv");
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

void TestCli::analyseJsonAddsUp()
{
    const Run json = command("analyse 21 8 --format=json");
    QCOMPARE(json.status, 0);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object["n"].toInt(), 21);
    QCOMPARE(object["k"].toInt(), 8);
    QCOMPARE(object["kettenbruch"].toArray(), QJsonArray({0, 2, 1, 1, 1, 2}));
    QCOMPARE(object["groesster_teilnenner"].toInt(), 2);
    const QJsonArray steps = object["schritte"].toArray();
    QCOMPARE(steps.size(), 20);
    int sum = 0;
    for (const QJsonValue &step : steps)
        sum += step.toObject()["minimum"].toInt();
    QCOMPARE(object["summe"].toInt(), sum);
}

void TestCli::machineFormatsAreWellFormed()
{
    // Every recorded JSON output is one JSON value, and every CSV output a
    // header with as many fields in each row.
    const auto fieldCount = [](const QString &line) {
        int fields = 1;
        bool quoted = false;
        for (QChar c : line) {
            if (c == u'"')
                quoted = !quoted;
            else if (c == u',' && !quoted)
                ++fields;
        }
        return fields;
    };
    for (const char *name : {"analyse_json", "analyse_json_equals", "rangliste_21_top3_json",
                             "rangliste_3_json", "rangliste_100_top4_json", "summe_21_8_json",
                             "summe_1e18_json"}) {
        QJsonParseError error;
        QJsonDocument::fromJson(recorded(name, "out").toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, name);
    }
    for (const char *name : {"analyse_csv", "analyse_divisor", "rangliste_21_csv",
                             "rangliste_2p20_top3_csv", "summe_21_8_csv", "summe_2_1_csv"}) {
        const QStringList lines = recorded(name, "out").split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.size() >= 2, name);
        for (const QString &line : lines)
            QVERIFY2(fieldCount(line) == fieldCount(lines.first()), qPrintable(line));
    }
}

void TestCli::ranglisteTopOfALargeN()
{
    const Run run = command("rangliste 10000000 --top 5 --format csv");
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

void TestCli::multiplierIsReducedAsTheWindowDoes()
{
    const Run divided = command("analyse 21 6 --format csv");
    QCOMPARE(divided.status, 0);
    // The window's words, after the program's name, with both pairs.
    QCOMPARE(divided.err, QStringLiteral("zyklar: Der gemeinsame Teiler 3 wird herausgekürzt: "
                                         "N = 21, K = 6 wird zu N = 7, K = 2\n"));
    QCOMPARE(divided.out, command("analyse 7 2 --format csv").out);

    const QString expected = command("summe 21 8").out;
    QCOMPARE(command("summe 21 29").out, expected);
    // K of any length is taken modulo N: 10^6 ≡ 1 (mod 21), so
    // 10^40 ≡ 10^4 ≡ 4, and 10^40 + 4 ≡ 8.
    const Run long_ = command("summe 21 10000000000000000000000000000000000000004");
    QCOMPARE(long_.status, 0);
    QCOMPARE(long_.out, expected);
}

void TestCli::lueckenAgainstSortedPositions()
{
    // Every pair up to N = 40: each step's row against the gaps of the
    // sorted positions, as CSV fields.
    for (int n = 2; n <= 40; ++n) {
        for (int k = 1; k < n; ++k) {
            if (std::gcd(n, k) != 1)
                continue;
            QStringList rows = command(QStringLiteral("luecken %1 %2 --format csv").arg(n).arg(k))
                                       .out.split(u'\n', Qt::SkipEmptyParts);
            rows.removeFirst();
            QCOMPARE(rows.size(), n - 1);
            QList<int> positions{0};
            for (int i = 1; i < n; ++i) {
                positions << i * k % n;
                std::sort(positions.begin(), positions.end());
                std::map<int, int> counts;
                for (int p = 0; p < positions.size(); ++p)
                    ++counts[(p + 1 < positions.size() ? positions[p + 1] : n) - positions[p]];
                const auto shortest = *counts.begin(), longest = *counts.rbegin();
                const QString middle = counts.size() == 3
                        ? QStringLiteral("%1,%2").arg(std::next(counts.begin())->first)
                                  .arg(std::next(counts.begin())->second)
                        : QStringLiteral(",");
                const QString expected = QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
                                                 .arg(i)
                                                 .arg(shortest.first)
                                                 .arg(shortest.second)
                                                 .arg(middle)
                                                 .arg(longest.first)
                                                 .arg(longest.second)
                                                 .arg(QString::number(double(longest.first) / shortest.first, 'f', 4));
                if (rows[i - 1] != expected)
                    QFAIL(qPrintable(QStringLiteral("N = %1, k = %2: %3, not %4")
                                             .arg(n).arg(k).arg(rows[i - 1], expected)));
            }
        }
    }
}

void TestCli::partsMergeIntoTheWhole_data()
{
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("parts");
    QTest::newRow("1000 by the sum, top 7, 3 parts") << "1000" << "--top 7" << 3;
    QTest::newRow("997 by the spectral test, 5 parts") << "997" << "--nach spektral --top 12" << 5;
    QTest::newRow("2^16 by the largest quotient") << "2^16" << "--nach teilnenner --top 9" << 4;
    QTest::newRow("4096 by the gap ratio, ties") << "4096" << "--nach verhaeltnis --top 20" << 6;
    QTest::newRow("2^31-1 by M_4, mcg, a range") << "2^31-1"
            << "--von 1 --bis 3000 --nach guete --dimensionen 4 --generator mcg --top 5" << 3;
    QTest::newRow("more parts than rows") << "30" << "--top 3" << 7;
    QTest::newRow("2^128 by H_6, lcg, 64-bit multipliers") << "2^128"
            << "--von 14923729446516375050 --bis 14923729446516375950 --nach harmonisch --dimensionen 6 "
               "--generator lcg --top 6"
            << 3;
    QTest::newRow("2^65+1 by the gap ratio, a range") << "2^65+1"
            << "--von 2^64 --bis 2^64+2000 --nach verhaeltnis --top 8" << 4;
}

void TestCli::partsMergeIntoTheWhole()
{
    // "rangliste --teil I/P" for every part, merged: byte for byte what one
    // run over every candidate writes.
    QFETCH(QString, n);
    QFETCH(QString, options);
    QFETCH(int, parts);
    const QStringList common = options.split(u' ') << "--format" << "csv";
    const Run whole = command(QStringList{"rangliste", n} << common);
    QCOMPARE(whole.status, 0);
    QTemporaryDir folder;
    QStringList files;
    for (int i = 1; i <= parts; ++i) {
        const Run part = command(QStringList{"rangliste", n, "--teil",
                                             QStringLiteral("%1/%2").arg(i).arg(parts)}
                                 << common);
        QCOMPARE(part.status, 0);
        files << folder.filePath(QStringLiteral("teil%1.csv").arg(i));
        QFile file(files.back());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(part.out.toUtf8());
    }
    QStringList merge{"zusammenfuehren", n};
    merge << files;
    // --generator and --von/--bis belong to the parts; the order to both.
    for (const QString &option : {QStringLiteral("--nach"), QStringLiteral("--dimensionen"),
                                  QStringLiteral("--top")}) {
        const qsizetype at = common.indexOf(option);
        if (at >= 0)
            merge << option << common[at + 1];
    }
    merge << "--format" << "csv";
    const Run merged = command(merge);
    QCOMPARE(merged.err, QString());
    QCOMPARE(merged.out, whole.out);
    // Without options the parts say what they were made with.
    const Run bare = command(QStringList{"zusammenfuehren", n} << files << "--format" << "csv");
    QCOMPARE(bare.err, QString());
    QCOMPARE(bare.out, whole.out);
}

void TestCli::partsKeepTheirRows()
{
    // A part's rows are those of the ranking of its stretch, unchanged, and
    // after them one line that a CSV reader takes for one field.
    const Run part = command("rangliste 2^32 --von 1000 --bis 1999 --nach guete --generator lcg "
                             "--top 4 --teil 2/3 --format csv");
    const Run stretch = command("rangliste 2^32 --von 1333 --bis 1665 --nach guete --generator lcg "
                                "--top 4 --format csv");
    QCOMPARE(part.status, 0);
    QStringList lines = part.out.split(u'\n');
    QCOMPARE(lines.takeLast(), QString());
    const QString closing = lines.takeLast();
    QCOMPARE(lines.join(u'\n') + u'\n', stretch.out);
    QCOMPARE(closing,
             QStringLiteral("# zyklar teil=2/3 n=4294967296 nach=guete dimensionen=8 generator=lcg "
                            "von=1000 bis=1999 top=4 zeilen=4 vollstaendig"));
    // Text and JSON have no closing line; they are not merged.
    for (const char *format : {"text", "json"}) {
        const QString options = QStringLiteral("--top 4 --teil 2/3 --format %1").arg(format);
        QVERIFY(!command("rangliste 1000 " + options).out.contains(QStringLiteral("# zyklar")));
    }
}

void TestCli::mergesThatCannotGoRight_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("status");
    // What goes wrong in a distributed search, to three parts of the ranking
    // of 1000 by M₄ of its full-period multipliers, top 5.
    const char *refused[] = {"a part missing", "a part given twice", "a part copied",
                             "cut short in a row", "cut short after a row", "a row lost",
                             "a corrupted line", "k = N", "a row twice", "a row of another part",
                             "rows out of order", "ties that are none", "a tie broken", "a whole ranking",
                             "parts of two rankings", "parts of two splits", "an endless device",
                             "no CSV at all", "more after the closing line", "a header of another figure"};
    for (const char *damage : refused)
        QTest::newRow(damage) << QString::fromLatin1(damage) << 1;
    const char *contradicted[] = {"another N", "--nach summe", "--dimensionen 8",
                                  "--generator mcg", "--top 6"};
    for (const char *damage : contradicted)
        QTest::newRow(damage) << QString::fromLatin1(damage) << 2;
}

void TestCli::mergesThatCannotGoRight()
{
    // Each refused with one line and nothing on standard output: a fault
    // in the parts (exit 1) naming the file, or an option that contradicts
    // them (exit 2).
    QFETCH(QString, damage);
    QFETCH(int, status);
    QTemporaryDir folder;
    const QString made = QStringLiteral("rangliste 1000 --nach guete --dimensionen 4 "
                                        "--generator lcg --top 5 --format csv --teil %1");
    QStringList files;
    const auto write = [&](const QString &name, const QByteArray &text) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    };
    for (int i = 1; i <= 3; ++i)
        files << write(QStringLiteral("teil%1.csv").arg(i),
                       command(made.arg(QStringLiteral("%1/3").arg(i))).out.toUtf8());
    QFile second(files[1]);
    QVERIFY(second.open(QIODevice::ReadOnly));
    const QByteArray text = second.readAll();
    QList<QByteArray> lines = text.split('\n'); // header, five rows, closing line, ""
    QCOMPARE(lines.size(), 8);
    const auto rowsWith = [&](int row, const QByteArray &replaced) {
        QList<QByteArray> changed = lines;
        changed[row] = replaced;
        return changed.join('\n');
    };
    const auto k = [&](int row) { return lines[row].split(',')[1]; };
    const auto withK = [&](int row, const QByteArray &other) {
        QList<QByteArray> fields = lines[row].split(',');
        fields[1] = other;
        return fields.join(',');
    };
    QString named = files[1]; // the file the message names
    QStringList merge{"zusammenfuehren", "1000"};
    if (damage == "a part missing") {
        files.removeAt(2);
        named.clear();
    } else if (damage == "a part given twice") {
        files << files[1];
    } else if (damage == "a part copied") {
        files << write("kopie.csv", text);
        named = "kopie.csv";
    } else if (damage == "cut short in a row") {
        files[1] = write("teil2.csv", text.left(text.indexOf(lines[5]) + 20));
    } else if (damage == "cut short after a row") {
        files[1] = write("teil2.csv", text.left(text.indexOf(lines[6])));
    } else if (damage == "a row lost") {
        files[1] = write("teil2.csv", QByteArray(text).replace(lines[3] + '\n', ""));
    } else if (damage == "a corrupted line") {
        files[1] = write("teil2.csv", rowsWith(3, "2,42921,1"));
    } else if (damage == "k = N") {
        files[1] = write("teil2.csv", rowsWith(1, withK(1, "1000")));
    } else if (damage == "a row twice") {
        files[1] = write("teil2.csv", rowsWith(5, lines[4]));
    } else if (damage == "a row of another part") {
        files[1] = write("teil2.csv", rowsWith(5, withK(5, "5")));
    } else if (damage == "rows out of order") {
        QList<QByteArray> changed = lines;
        changed[1] = withK(1, k(2));
        changed[2] = withK(2, k(1));
        files[1] = write("teil2.csv", changed.join('\n'));
    } else if (damage == "ties that are none") {
        files[1] = write("teil2.csv", rowsWith(3, "1" + lines[3].mid(lines[3].indexOf(','))));
    } else if (damage == "a tie broken") {
        files[1] = write("teil2.csv", rowsWith(2, "2" + lines[2].mid(lines[2].indexOf(','))));
    } else if (damage == "a whole ranking") {
        files[1] = write("teil2.csv", command(made.section(u' ', 0, -3)).out.toUtf8());
    } else if (damage == "parts of two rankings") {
        files[2] = write("teil3.csv", command(QString(made).replace("4 ", "5 ").arg("3/3")).out.toUtf8());
        named = files[0];
    } else if (damage == "parts of two splits") {
        files[2] = write("teil3.csv", command(made.arg("3/4")).out.toUtf8());
        named = files[0];
    } else if (damage == "an endless device") {
        files[1] = named = "/dev/zero";
    } else if (damage == "no CSV at all") {
        files[1] = named = QCoreApplication::applicationFilePath();
    } else if (damage == "more after the closing line") {
        files[1] = write("teil2.csv", text + "1,7,\n");
    } else if (damage == "a header of another figure") {
        files[1] = write("teil2.csv", rowsWith(0, QByteArray(lines[0]).replace(",guete", "")));
    } else if (damage == "another N") {
        merge[1] = "999";
    } else {
        merge << damage.split(u' ');
    }
    if (status == 2)
        named.clear();
    const Run run = command(merge + files);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith("zyklar: ") && run.err.count(u'\n') == 1, qPrintable(run.err));
    if (!named.isEmpty())
        QVERIFY2(run.err.contains(QFileInfo(named).fileName()), qPrintable(run.err));
    // The same in English, by the English names, every word of it.
    merge[0] = "merge";
    const Run english = command(merge + files + QStringList{"--lang", "en"});
    QCOMPARE(english.status, status);
    QVERIFY2(testsupport::germanIn(english.err).isEmpty() && germanNameIn(english.err).isEmpty(),
             qPrintable(english.err));
}

void TestCli::notationsAreTheSameNumber_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("2^31-1") << "2^31-1" << "2147483647";
    QTest::newRow("2^64") << "2^64" << "18446744073709551616";
    QTest::newRow("2^32+15") << "2^32+15" << "4294967311";
    QTest::newRow("2^64-0x3B") << "2^64-0x3B" << "18446744073709551557";
    QTest::newRow("hexadecimal, either case") << "0x9e3779B97F4A7C15" << "11400714819323198485";
    QTest::newRow("2^0+1") << "2^0+1" << "2";
    QTest::newRow("leading zeros") << "000021" << "21";
    QTest::newRow("2^128 in 33 hex digits") << "0x100000000000000000000000000000000"
                                            << "340282366920938463463374607431768211456";
}

void TestCli::notationsAreTheSameNumber()
{
    // As N and as K (taken modulo N), every spelling is its decimal value;
    // the output is decimal whichever was typed.
    QFETCH(QString, written);
    QFETCH(QString, decimal);
    const Run asN = command(QStringList{"summe", written, "1", "--format", "csv"});
    QCOMPARE(asN.out, command(QStringList{"summe", decimal, "1", "--format", "csv"}).out);
    QCOMPARE(asN.status, 0);
    const QString n = QStringLiteral("2305843009213693951"); // the prime 2^61 − 1
    const Run asK = command(QStringList{"summe", n, written, "--format", "csv"});
    QCOMPARE(asK.out, command(QStringList{"summe", n, decimal, "--format", "csv"}).out);
    QCOMPARE(asK.err, QString());
    // Past the limit, or below 0, they are refused as the digits are.
    QCOMPARE(command(QStringList{"summe", "2^128+1", "3"}).status, 2);
    QCOMPARE(command(QStringList{"summe", "2^3-9", "3"}).status, 2);
    QCOMPARE(command(QStringList{"summe", "2^1000", "3"}).status, 2);
}

void TestCli::englishNamesAreTheSameCommands_data()
{
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("analyse") << "analyse 21 8" << "analyze 21 8";
    QTest::newRow("rangliste") << "rangliste 60 --top 4" << "rank 60 --top 4";
    QTest::newRow("summe") << "summe 2^64 12345" << "sum 2^64 12345";
    QTest::newRow("kennzahlen") << "kennzahlen 65536 40503 --rang" << "figures 65536 40503 --rang";
    QTest::newRow("luecken") << "luecken 21 8 --format csv" << "gaps 21 8 --format csv";
    QTest::newRow("help") << "rangliste --help" << "rank --help";
    // Every option by its English name.
    QTest::newRow("--by --from --to --part")
            << "rangliste 2^32 --nach guete --von 1000 --bis 3000 --teil 2/3 --top 3 --format csv"
            << "rank 2^32 --by merit --from 1000 --to 3000 --part 2/3 --top 3 --format csv";
    QTest::newRow("--rank --dimensions") << "kennzahlen 65536 40503 --rang --dimensionen 4"
                                         << "figures 65536 40503 --rank --dimensions 4";
    QTest::newRow("--step") << "luecken 21 8 --schritt 7" << "gaps 21 8 --step 7";
    QTest::newRow("--lang") << "summe 21 8 --sprache en" << "sum 21 8 --lang=en";
    QTest::newRow("a usage error") << "rangliste 21 --von 15 --bis 10"
                                   << "rank 21 --from 15 --to 10";
    const char *keys[][2] = {{"summe", "sum"},          {"spektral", "spectral"},
                             {"zaremba", "zaremba"},    {"verhaeltnis", "ratio"},
                             {"teilnenner", "quotient"}, {"guete", "merit"}};
    for (const auto &key : keys)
        QTest::newRow(key[0]) << QStringLiteral("rangliste 200 --top 5 --nach %1").arg(key[0])
                              << QStringLiteral("rank 200 --top 5 --nach %1").arg(key[1]);
}

void TestCli::englishNamesAreTheSameCommands()
{
    // Each command and ranking has an English name beside its German one,
    // which does exactly the same.
    QFETCH(QString, german);
    QFETCH(QString, english);
    const Run inGerman = command(german), inEnglish = command(english);
    QCOMPARE(inEnglish.status, inGerman.status);
    QCOMPARE(inEnglish.out, inGerman.out);
    QCOMPARE(inEnglish.err, inGerman.err);
}

void TestCli::manualsAreInStep()
{
    // The English page and the German one: the same commands and options,
    // the ones the program has, and sections, entries and examples that
    // pair up one to one.
    struct Page {
        QString text;
        QSet<QString> commands, options;
    };
    const auto read = [](const char *name) {
        QFile file(QStringLiteral(ZYKLAR_MANUALS "/%1").arg(QLatin1String(name)));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("no manual page %s", name);
        Page page{QString::fromUtf8(file.readAll()), {}, {}};
        static const QRegularExpression command(QStringLiteral("^\\.B zyklar (\\w+)$"),
                                                QRegularExpression::MultilineOption);
        static const QRegularExpression option(QStringLiteral("\\\\-\\\\-([a-z]+)"));
        for (const auto &match : command.globalMatch(page.text))
            page.commands << match.captured(1);
        for (const auto &match : option.globalMatch(page.text))
            page.options << match.captured(1);
        return page;
    };
    const Page english = read("zyklar.1"), german = read("zyklar.de.1");
    QCOMPARE(english.options, german.options);
    for (const char *macro : {"\n.SH ", "\n.TP", "\n.EX", "\n.RS", "\n.BR ", "\n.BI "})
        QVERIFY2(english.text.count(QLatin1String(macro))
                         == german.text.count(QLatin1String(macro)),
                 macro);

    // Each page names the commands in its language first, and the other
    // language's names too; every option both ways.
    QSet<QString> germanNames, englishNames;
    for (const cli::Command *command : cli::everyCommand()) {
        germanNames << QLatin1String(command->name.german);
        englishNames << QLatin1String(command->name.inEnglish());
        for (const Page *page : {&english, &german}) {
            for (const char *name : {command->name.german, command->name.inEnglish()})
                QVERIFY2(page->text.contains(QRegularExpression(
                                 QStringLiteral("\\n\\.(BR %1 |B %1\\n|BI \"%1 \")")
                                         .arg(QLatin1String(name)))),
                         name);
        }
    }
    QCOMPARE(german.commands, germanNames);
    QCOMPARE(english.commands, englishNames);
    for (const cli::OptionDescription &option : cli::everyOption()) {
        for (const char *name : {option.name.german, option.name.inEnglish()})
            QVERIFY2(german.options.contains(QLatin1String(name)), name);
    }
    QVERIFY(german.options.contains("help") && german.options.contains("version"));
}

void TestCli::helpOffersWhatTheParserTakes()
{
    // The help is made from the declarations: in either language the
    // overview names every option, and the ranking keys that --nach's help
    // offers are exactly the ones it takes.
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("en")}) {
        const Run overview = command(QStringList{"--help", "--sprache", language});
        for (const cli::OptionDescription &option : cli::everyOption()) {
            const char *name = language == u"en" ? option.name.inEnglish() : option.name.german;
            QVERIFY2(overview.out.contains(QStringLiteral("\n  --%1").arg(QLatin1String(name))),
                     name);
        }
        const Run help = command(QStringList{"rangliste", "--help", "--sprache", language});
        static const QRegularExpression offered(
                QStringLiteral("(?:Rangfolge|order): (.*?)\n  --"),
                QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch match = offered.match(help.out);
        QVERIFY(match.hasMatch());
        QStringList keys = match.captured(1)
                                   .remove(QRegularExpression(QStringLiteral("\\((Vorgabe|default)\\)")))
                                   .split(QRegularExpression(QStringLiteral("[\\s,]+|\\s(oder|or)\\s")),
                                          Qt::SkipEmptyParts);
        keys.removeAll(QStringLiteral("oder"));
        keys.removeAll(QStringLiteral("or"));
        QCOMPARE(keys.size(), qsizetype(std::size(numbers::rankingCriteria)));
        for (const QString &key : keys)
            QVERIFY2(command(QStringList{"rangliste", "60", "--top", "3", "--nach", key}).status == 0,
                     qPrintable(key));
    }
    // Past the largest dimension the help names, --dimensionen is refused.
    QCOMPARE(command(QStringList{"kennzahlen", "21", "8", "--dimensionen",
                                 QString::number(numbers::maxDimension)})
                     .status,
             0);
    QCOMPARE(command(QStringList{"kennzahlen", "21", "8", "--dimensionen",
                                 QString::number(numbers::maxDimension + 1)})
                     .status,
             2);
}

void TestCli::animationsOfEveryStep_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("frames");
    QTest::newRow("the circle of 21, 8") << QStringList{"21", "8"} << 20;
    QTest::newRow("a divisor cancelled") << QStringList{"30", "12"} << 4;
    QTest::newRow("the sunflower of 144, 89")
            << QStringList{"144", "89", "--sonnenblume"} << 143;
    QTest::newRow("the golden angle, 100 points")
            << QStringList{"100", "7", "--golden", "--sunflower"} << 99;
    QTest::newRow("the golden angle's circle") << QStringList{"13", "1", "--golden"} << 12;
}

void TestCli::animationsOfEveryStep()
{
    // A frame for every step, looping, at five steps a second; nothing on
    // standard output.
    QFETCH(QStringList, options);
    QFETCH(int, frames);
    QTemporaryDir folder;
    const QString file = folder.filePath("schritte.gif");
    const Run run = command(QStringList{"luecken"} + options
                            + QStringList{"--animation", file});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QString());
    QImageReader gif(file);
    QCOMPARE(gif.format(), QByteArray("gif"));
    QCOMPARE(gif.imageCount(), frames);
    QCOMPARE(gif.loopCount(), -1); // for ever
    QVERIFY(gif.read().size() == QSize(480, 480 + QFontMetrics(QFont()).height() + 8));
    QCOMPARE(gif.nextImageDelay(), 200);
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
