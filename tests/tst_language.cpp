// Zyklar in German and in English: which language a locale asks for, the
// choice in the menu and on the command line, and every window in both
// languages. Every command in both languages is tst_cli's.

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
#include <QTest>

namespace {

using language::Language;
using testsupport::germanIn;
using testsupport::Locale;
using testsupport::Run;

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

void TestLanguage::sprachePassesOnlyDeOrEn()
{
    const Run fr = testsupport::runCommand(QStringList{"summe", "21", "8", "--sprache", "fr"});
    QCOMPARE(fr.status, 2);
    QVERIFY(fr.out.isEmpty());
    QCOMPARE(fr.err, QStringLiteral("zyklar: --sprache muss de oder en sein, nicht „fr“\n"));
    // The decimals of text follow the language.
    QVERIFY(testsupport::runCommand("summe 21 8 --sprache en").out.contains("Share: 0.7755\n"));
    QVERIFY(testsupport::runCommand("summe 21 8").out.contains("Anteil: 0,7755\n"));
}

void TestLanguage::messagesTakeWhatWasWrittenAsItStands()
{
    // What the user wrote goes into a message as it stands; its own %1 and
    // %2 are never read as the message's placeholders.
    QCOMPARE(testsupport::runCommand("rangliste 21 --nach %2%1").err,
             QStringLiteral("zyklar: unbekannte Kennzahl „%2%1“; möglich sind summe, spektral, "
                            "zaremba, verhaeltnis, teilnenner, guete, harmonisch und "
                            "versatzguete\n"));
}

void TestLanguage::everyWindowInEnglish()
{
    testsupport::MessageAnswers answers;
    const Locale locale("en_GB.UTF-8");
    const auto form = everyWindow();
    QCOMPARE(ui::of(*form).Command2->text(), QStringLiteral("Analyze"));
    QCOMPARE(form->rankingWindow()->windowTitle(), QStringLiteral("Ranking"));
    QCOMPARE(form->threeGapsWindow()->windowTitle(), QStringLiteral("Three gaps"));
    // The messages, too.
    ui::of(*form).txtk->setText(QStringLiteral("6"));
    ui::of(*form).Command2->click();
    QCOMPARE(answers.asked.last().text, QStringLiteral("The common divisor 3 is cancelled"));
    ui::of(*form).Check1->setChecked(true);
    ui::of(*form).Command2->click();
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
                                       "Deutsch", "Sprache / Language", "Permutation", "Fibonacci"};
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
    {
        const Locale locale("en_US.UTF-8");
        const auto form = startZyklar();
        QCOMPARE(ui::of(*form).Command2->text(), QStringLiteral("Analyze"));
        english = placesOf(*form);
    }
    QCOMPARE(english, placesOf(*german));
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
        QCOMPARE(ui::of(*form).Command2->text(), QStringLiteral("Analyse"));
        QCOMPARE(answers.asked.size(), 1);
        QVERIFY(answers.asked[0].text.contains(QStringLiteral("nächsten Start")));
        QVERIFY(answers.asked[0].text.contains(QStringLiteral("English")));
    }
    QCOMPARE(storedLanguage(), std::optional(Language::English));
    {
        const auto form = startZyklar();
        QCOMPARE(ui::of(*form).Command2->text(), QStringLiteral("Analyze"));
        QVERIFY(form->findChild<QAction *>("mnuSpracheEnglisch")->isChecked());
        // Back to the desktop's language: German here, from the next start.
        form->findChild<QAction *>("mnuSpracheUmgebung")->trigger();
        QCOMPARE(answers.asked.size(), 2);
        QVERIFY(answers.asked[1].text.contains(QStringLiteral("German")));
    }
    QCOMPARE(storedLanguage(), std::nullopt);
    {
        const auto form = startZyklar();
        QCOMPARE(ui::of(*form).Command2->text(), QStringLiteral("Analyse"));
        // The language it speaks already: nothing to say.
        form->findChild<QAction *>("mnuSpracheDeutsch")->trigger();
        QCOMPARE(answers.asked.size(), 2);
    }
    QCOMPARE(storedLanguage(), std::optional(Language::German));
    {
        // German is kept against an English locale.
        const Locale english("en_US.UTF-8");
        const auto form = startZyklar();
        QCOMPARE(ui::of(*form).Command2->text(), QStringLiteral("Analyse"));
        form->findChild<QAction *>("mnuSpracheUmgebung")->trigger();
    }
    QCOMPARE(storedLanguage(), std::nullopt);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
