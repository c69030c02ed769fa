// Zyklar in German and in English: which language a locale asks for, the
// choice in the menu and on the command line, every command and window in
// both languages, and the machine formats that never change with them.

#include "app/application.h"
#include "app/form1.h"
#include "formcontrols.h"
#include "gaps/threegapswindow.h"
#include "language/language.h"
#include "platform/textbox.h"
#include "ranking/rankingwindow.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

using language::Language;
using testsupport::Run;

// Letters and words that only German has. Command and option names
// (rangliste, --nach) are the same in both languages and are none of them.
const char *const germanMarks[] = {"ä",      "ö",      "ü",     "Ä",     "Ö",     "Ü",
                                   "ß",      "„",      " der ", " die ", " das ", " und ",
                                   " nicht ", " ist ", " mit ", " für ", " oder ", " ein ",
                                   " wird ", " je ",   "Schritt", "Summe", "Rang ", "Anteil"};

// The first German mark in a text, or nothing.
QString germanIn(const QString &text)
{
    for (const char *mark : germanMarks) {
        if (text.contains(QString::fromUtf8(mark)))
            return QString::fromUtf8(mark);
    }
    return {};
}

// The four variables of the locale, set for one test and restored after.
class Locale
{
public:
    explicit Locale(const QByteArray &lang, const QByteArray &language = {})
    {
        for (const char *name : names)
            m_saved[name] = qgetenv(name);
        qputenv("LANGUAGE", language);
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", lang);
    }
    ~Locale()
    {
        for (const char *name : names)
            qputenv(name, m_saved[name]);
        language::use(Language::German);
    }

private:
    static constexpr const char *names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<const char *, QByteArray> m_saved;
};

// Every text a person or a screen reader meets in a window: captions,
// titles, tooltips, accessible names and descriptions, the choices of a list
// and a table's headers, each by the name of the object that shows it.
QMultiMap<QString, QString> textsOf(const QWidget &window)
{
    QMultiMap<QString, QString> texts;
    const auto add = [&texts](const QObject &where, const QString &text) {
        if (!text.isEmpty())
            texts.insert(where.objectName(), text);
    };
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(const_cast<QWidget *>(&window));
    for (const QWidget *widget : std::as_const(widgets)) {
        add(*widget, widget->windowTitle());
        add(*widget, widget->toolTip());
        add(*widget, widget->accessibleName());
        add(*widget, widget->accessibleDescription());
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            add(*widget, label->text());
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            add(*widget, button->text());
        if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            add(*widget, group->title());
        if (const auto *box = qobject_cast<const platform::TextBox *>(widget))
            add(*widget, box->text());
        if (const auto *list = qobject_cast<const QComboBox *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                add(*widget, list->itemText(i));
        }
        if (const auto *table = qobject_cast<const QTableView *>(widget)) {
            for (int c = 0; c < table->model()->columnCount(); ++c)
                add(*widget, table->model()->headerData(c, Qt::Horizontal).toString());
        }
    }
    for (const QAction *action : window.findChildren<QAction *>())
        add(*action, action->text());
    return texts;
}

// The main window with both windows of "Extras" opened beside it.
std::unique_ptr<Form1> everyWindow()
{
    auto form = startZyklar();
    form->findChild<QAction *>("cmdRangliste")->trigger();
    form->findChild<QAction *>("cmdDreiAbstaende")->trigger();
    return form;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void localeChoosesTheLanguage_data();
    void localeChoosesTheLanguage();
    void everyCommandInBothLanguages_data();
    void everyCommandInBothLanguages();
    void sprachePassesOnlyDeOrEn();
    void messagesTakeWhatWasWrittenAsItStands();
    void everyWindowInEnglish();
    void mainWindowIsLaidOutAlikeInBoth();
    void menuChoiceHoldsFromTheNextStart();

private:
    testsupport::ScreenSize m_screen{1024, 768};
};

void TestLanguage::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void TestLanguage::localeChoosesTheLanguage_data()
{
    QTest::addColumn<QString>("languages");
    QTest::addColumn<QString>("all");
    QTest::addColumn<QString>("messages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<bool>("english");
    QTest::newRow("nothing set") << "" << "" << "" << "" << false;
    QTest::newRow("C") << "" << "" << "" << "C" << false;
    QTest::newRow("C.UTF-8") << "" << "" << "" << "C.UTF-8" << false;
    QTest::newRow("POSIX") << "" << "" << "" << "POSIX" << false;
    QTest::newRow("en_US.UTF-8") << "" << "" << "" << "en_US.UTF-8" << true;
    QTest::newRow("en_GB") << "" << "" << "" << "en_GB" << true;
    QTest::newRow("en_IE@euro") << "" << "" << "" << "en_IE@euro" << true;
    QTest::newRow("de_DE.UTF-8") << "" << "" << "" << "de_DE.UTF-8" << false;
    QTest::newRow("fr_FR: neither, German") << "" << "" << "" << "fr_FR.UTF-8" << false;
    QTest::newRow("LC_ALL before LANG") << "" << "C.UTF-8" << "" << "en_US.UTF-8" << false;
    QTest::newRow("LC_MESSAGES before LANG") << "" << "" << "en_US.UTF-8" << "de_DE.UTF-8" << true;
    QTest::newRow("LC_ALL before LC_MESSAGES") << "" << "de_AT" << "en_US" << "" << false;
    QTest::newRow("LANGUAGE before the locale") << "en" << "" << "" << "de_DE.UTF-8" << true;
    QTest::newRow("LANGUAGE in order") << "de:en" << "" << "" << "en_US.UTF-8" << false;
    QTest::newRow("LANGUAGE past what is missing") << "fr:sv:en_GB" << "" << "" << "de_DE" << true;
    QTest::newRow("LANGUAGE of none, the locale") << "fr" << "" << "" << "en_US" << true;
    QTest::newRow("LANGUAGE not in the C locale") << "en" << "" << "" << "C.UTF-8" << false;
}

void TestLanguage::localeChoosesTheLanguage()
{
    QFETCH(QString, languages);
    QFETCH(QString, all);
    QFETCH(QString, messages);
    QFETCH(QString, lang);
    QFETCH(bool, english);
    QCOMPARE(language::fromEnvironment({languages, all, messages, lang}) == Language::English,
             english);
}

void TestLanguage::everyCommandInBothLanguages_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<bool>("machine"); // CSV or JSON, the same in both
    QTest::newRow("help") << "--help" << false;
    QTest::newRow("version") << "--version" << false;
    const char *const commands[] = {"analyse", "rangliste", "summe", "kennzahlen", "luecken",
                                    "bild", "zusammenfuehren"};
    for (const char *name : commands)
        QTest::addRow("%s --help", name) << QString::fromLatin1(name) + " --help" << false;
    QTest::newRow("analyse") << "analyse 21 8" << false;
    QTest::newRow("analyse with a divisor") << "analyse 21 6" << false;
    QTest::newRow("analyse csv") << "analyse 21 6 --format csv" << true;
    QTest::newRow("analyse json") << "analyse 21 8 --format json" << true;
    QTest::newRow("rangliste") << "rangliste 21" << false;
    QTest::newRow("rangliste by merit") << "rangliste 101 --nach guete --dimensionen 4 --top 5"
                                        << false;
    QTest::newRow("rangliste json") << "rangliste 21 --top 3 --format json" << true;
    QTest::newRow("rangliste csv by merit") << "rank 101 --nach merit --top 5 --format csv"
                                            << true;
    QTest::newRow("summe") << "summe 21 8" << false;
    QTest::newRow("summe csv") << "summe 2^64 11400714819323198485 --format csv" << true;
    QTest::newRow("kennzahlen with ranks") << "kennzahlen 21 8 13 --rang" << false;
    QTest::newRow("kennzahlen json") << "kennzahlen 2^31-1 16807 48271 --format json" << true;
    QTest::newRow("luecken") << "luecken 21 8" << false;
    QTest::newRow("luecken csv") << "luecken 21 8 --format csv" << true;
    QTest::newRow("no command") << "" << false;
    QTest::newRow("unknown command") << "rangieren 21" << false;
    QTest::newRow("unknown option") << "summe 21 8 --nachher" << false;
    QTest::newRow("option without value") << "rangliste 21 --top" << false;
    QTest::newRow("option of another command") << "summe 21 8 --rang" << false;
    QTest::newRow("too few arguments") << "summe 21" << false;
    QTest::newRow("too many arguments") << "summe 21 8 9" << false;
    QTest::newRow("not a number") << "summe einundzwanzig 8" << false;
    QTest::newRow("a sign") << "summe 21 -8" << false;
    QTest::newRow("out of range") << "analyse 2000000 3" << false;
    QTest::newRow("a multiple of N") << "summe 21 42" << false;
    QTest::newRow("unknown figure") << "rangliste 21 --nach schoenheit" << false;
    QTest::newRow("unknown format") << "summe 21 8 --format xml" << false;
    QTest::newRow("a large N without top") << "rangliste 2000000000" << false;
    QTest::newRow("a part too many") << "rangliste 21 --teil 30/30" << false;
    QTest::newRow("a picture without a file") << "bild 21 8" << false;
    QTest::newRow("a picture of no type") << "bild 21 8 --ausgabe bild.gif" << false;
    QTest::newRow("ranks from standard input") << "kennzahlen 21 - --rang" << false;
    QTest::newRow("a part that is no file") << "zusammenfuehren 21 /nonexistent/teil.csv" << false;
}

void TestLanguage::everyCommandInBothLanguages()
{
    QFETCH(QString, arguments);
    QFETCH(bool, machine);
    QStringList words = arguments.split(u' ', Qt::SkipEmptyParts);

    // German as the locale gives it and as --sprache de asks for it; English
    // as --sprache en asks for it and as the locale gives it.
    const Run german = testsupport::runCommand(words);
    const Run de = testsupport::runCommand(words + QStringList{"--sprache", "de"});
    const Run en = testsupport::runCommand(words + QStringList{"--sprache=en"});
    Run localeEnglish;
    {
        const Locale locale("en_US.UTF-8");
        localeEnglish = testsupport::runCommand(words);
    }
    for (const Run *run : std::initializer_list<const Run *>{&de, &en, &localeEnglish})
        QCOMPARE(run->status, german.status);
    QCOMPARE(de.out, german.out);
    QCOMPARE(de.err, german.err);
    QCOMPARE(localeEnglish.out, en.out);
    QCOMPARE(localeEnglish.err, en.err);

    for (const QString &text : {en.out, en.err})
        QVERIFY2(germanIn(text).isEmpty(), qPrintable(germanIn(text) + u'\n' + text));
    if (machine)
        QCOMPARE(en.out, german.out);
    else if (!germanIn(german.out + german.err).isEmpty())
        QVERIFY(en.out + en.err != german.out + german.err);
    // A usage error stays one line and nothing else.
    if (german.status == 2) {
        QVERIFY(en.out.isEmpty());
        QCOMPARE(en.err.count(u'\n'), 1);
    }
}

void TestLanguage::sprachePassesOnlyDeOrEn()
{
    const Run fr = testsupport::runCommand(QStringList{"summe", "21", "8", "--sprache", "fr"});
    QCOMPARE(fr.status, 2);
    QVERIFY(fr.out.isEmpty());
    QCOMPARE(fr.err, QStringLiteral("zyklar: --sprache muss de oder en sein, nicht „fr“\n"));
    // The decimals of text follow the language, those of CSV never do.
    QVERIFY(testsupport::runCommand("summe 21 8 --sprache en").out.contains("Share: 0.7755\n"));
    QVERIFY(testsupport::runCommand("summe 21 8").out.contains("Anteil: 0,7755\n"));
    QVERIFY(testsupport::runCommand("summe 21 8 --sprache de --format csv")
                    .out.endsWith(",0.7755,\"[0; 2, 1, 1, 1, 2]\",2\n"));
}

void TestLanguage::messagesTakeWhatWasWrittenAsItStands()
{
    // What the user wrote goes into a message as it stands; its own %1 and
    // %2 are never read as the message's placeholders.
    QCOMPARE(testsupport::runCommand("rangliste 21 --nach %2%1").err,
             QStringLiteral("zyklar: unbekannte Kennzahl „%2%1“; möglich sind summe, spektral, "
                            "zaremba, verhaeltnis, teilnenner und guete\n"));
    QCOMPARE(testsupport::runCommand("summe %1 8 --sprache en").err,
             QStringLiteral("zyklar: N must be a whole number (decimal, 0x… or 2^e±c), not "
                            "‘%1’\n"));
}

void TestLanguage::everyWindowInEnglish()
{
    testsupport::MessageAnswers answers;
    const Locale locale("en_GB.UTF-8");
    const auto form = everyWindow();
    QCOMPARE(ui::Command2(*form)->text(), QStringLiteral("Analyze"));
    QCOMPARE(form->rankingWindow()->windowTitle(), QStringLiteral("Ranking"));
    QCOMPARE(form->threeGapsWindow()->windowTitle(), QStringLiteral("Three gaps"));
    // The messages, too.
    ui::txtk(*form)->setText(QStringLiteral("6"));
    ui::Command2(*form)->click();
    QCOMPARE(answers.asked.last().text, QStringLiteral("The common divisor 3 is cancelled"));
    ui::Check1(*form)->setChecked(true);
    ui::Command2(*form)->click();
    QCOMPARE(answers.asked.last().title, QStringLiteral("Single step"));
    QCOMPARE(answers.asked.last().text, QStringLiteral("Step 6, go on?"));
    QMultiMap<QString, QString> texts;
    for (const QWidget *window : {static_cast<QWidget *>(form.get()),
                                  static_cast<QWidget *>(form->rankingWindow()),
                                  static_cast<QWidget *>(form->threeGapsWindow())})
        texts.unite(textsOf(*window));
    QVERIFY(texts.size() > 150);
    for (auto text = texts.cbegin(); text != texts.cend(); ++text)
        QVERIFY2(germanIn(*text).isEmpty(), qPrintable(text.key() + u' ' + *text));
    // A text both languages show alike is a name, a symbol or a number.
    QMultiMap<QString, QString> german;
    {
        const Locale locale("C.UTF-8");
        const auto germanForm = everyWindow();
        for (const QWidget *window : {static_cast<QWidget *>(germanForm.get()),
                                      static_cast<QWidget *>(germanForm->rankingWindow()),
                                      static_cast<QWidget *>(germanForm->threeGapsWindow())})
            german.unite(textsOf(*window));
    }
    static const QRegularExpression word(QStringLiteral("[A-Za-zäöüß]{3}"));
    static const QStringList shared = {"Zyklar", "copyright", "Extras", "Zaremba", "English",
                                       "Deutsch", "Sprache / Language", "Permutation"};
    for (auto text = texts.cbegin(); text != texts.cend(); ++text) {
        if (german.contains(text.key(), *text) && text->contains(word))
            QVERIFY2(shared.contains(*text), qPrintable(text.key() + u' ' + *text));
    }
    // The numbers in a window's text take a decimal point.
    const QString dimensions = texts.value("lblDimensionen");
    QVERIFY(dimensions.contains(QRegularExpression(QStringLiteral("\\d\\.\\d{4}"))));
    QVERIFY(!dimensions.contains(QRegularExpression(QStringLiteral("\\d,\\d"))));
}

void TestLanguage::mainWindowIsLaidOutAlikeInBoth()
{
    // The same controls in the same places, whatever they say.
    const auto placesOf = [](const Form1 &form) {
        QStringList places;
        for (const QWidget *control : form.findChildren<QWidget *>()) {
            if (!control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_"))
                places << control->objectName() + u' '
                                + QString::number(control->geometry().x()) + u','
                                + QString::number(control->geometry().y()) + u' '
                                + QString::number(control->width()) + u'×'
                                + QString::number(control->height());
        }
        places.sort();
        return places;
    };
    const auto german = startZyklar();
    QStringList english;
    QMultiMap<QString, QString> texts;
    {
        const Locale locale("en_US.UTF-8");
        const auto form = startZyklar();
        english = placesOf(*form);
        texts = textsOf(*form);
    }
    QCOMPARE(english, placesOf(*german));
    QCOMPARE(ui::Command2(*german)->text(), QStringLiteral("Analyse"));
    QVERIFY(textsOf(*german) != texts);
}

void TestLanguage::menuChoiceHoldsFromTheNextStart()
{
    const Locale locale("de_DE.UTF-8");
    testsupport::MessageAnswers answers;
    {
        const auto form = startZyklar();
        QVERIFY(form->findChild<QAction *>("mnuSpracheUmgebung")->isChecked());
        form->findChild<QAction *>("mnuSpracheEnglisch")->trigger();
        // The windows stay German until the next start, and say so in both.
        QCOMPARE(ui::Command2(*form)->text(), QStringLiteral("Analyse"));
        QCOMPARE(answers.asked.size(), 1);
        QVERIFY(answers.asked[0].text.contains(QStringLiteral("nächsten Start")));
        QVERIFY(answers.asked[0].text.contains(QStringLiteral("English")));
    }
    QCOMPARE(storedLanguage(), std::optional(Language::English));
    {
        const auto form = startZyklar();
        QCOMPARE(ui::Command2(*form)->text(), QStringLiteral("Analyze"));
        QVERIFY(form->findChild<QAction *>("mnuSpracheEnglisch")->isChecked());
        // Back to the desktop's language: German here, from the next start.
        form->findChild<QAction *>("mnuSpracheUmgebung")->trigger();
        QCOMPARE(answers.asked.size(), 2);
        QVERIFY(answers.asked[1].text.contains(QStringLiteral("German")));
    }
    QCOMPARE(storedLanguage(), std::nullopt);
    {
        const auto form = startZyklar();
        QCOMPARE(ui::Command2(*form)->text(), QStringLiteral("Analyse"));
        // The language it speaks already: nothing to say.
        form->findChild<QAction *>("mnuSpracheDeutsch")->trigger();
        QCOMPARE(answers.asked.size(), 2);
    }
    QCOMPARE(storedLanguage(), std::optional(Language::German));
    {
        // German is kept against an English locale.
        const Locale english("en_US.UTF-8");
        const auto form = startZyklar();
        QCOMPARE(ui::Command2(*form)->text(), QStringLiteral("Analyse"));
        form->findChild<QAction *>("mnuSpracheUmgebung")->trigger();
    }
    QCOMPARE(storedLanguage(), std::nullopt);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
