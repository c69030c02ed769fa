// The window as it is created: every control and menu item by its object
// name, with its kind, container, caption, colours, fonts and order, and the
// program ending when the window closes.

#include "formcontrols.h"
#include "app/application.h"
#include "app/form1.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    void controlInventory_data();
    void controlInventory();
    void textBoxesAtDesign_data();
    void textBoxesAtDesign();
    void columnBoxesUseAFixedPitchFont();
    void stackingAndFocusOrder();
    void tabWalksTheColumnAndComesRound();
    void arrowKeysMoveTheScrollBars_data();
    void arrowKeysMoveTheScrollBars();
    void tabLeavesAMultiLineBox();
    void menuInventory();
    void startUpShowsTheWindowLaidOut();
    void closingEndsTheProgram_data();
    void closingEndsTheProgram();
};

void TestWindow::controlInventory_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");
    auto row = [](const char *name, const char *kind, const char *container, const char *caption) {
        QTest::newRow(name) << QString(name) << QString(kind) << QString(container)
                            << QString::fromUtf8(caption);
    };
    row("txtSchub2", "platform::TextBox", "client", "");
    row("txtSumme", "platform::TextBox", "client", "");
    row("txtSchub", "platform::TextBox", "client", "");
    row("txtKopf", "platform::TextBox", "client", "");
    row("Command1", "QPushButton", "client", "x");
    row("txtAbs", "platform::TextBox", "client", "");
    row("Picture1", "platform::PictureBox", "client", "");
    row("Option2", "QRadioButton", "Picture1", "Speiche");
    row("Option1", "QRadioButton", "Picture1", "Stern");
    row("Command4", "QPushButton", "client", "x");
    row("txtAbstand", "platform::TextBox", "client", "");
    row("txtFolge", "platform::TextBox", "client", "");
    row("Command3", "QPushButton", "client", "x");
    row("txtAusgabe", "platform::TextBox", "client", "");
    row("Frame1", "QGroupBox", "client", "Eingabe");
    row("HScroll2", "platform::ScrollBar", "Frame1", "");
    row("HScroll1", "platform::ScrollBar", "Frame1", "");
    row("Check1", "QCheckBox", "Frame1", "Einzelschritt");
    row("Command2", "QPushButton", "Frame1", "Analyse");
    row("txtk", "platform::TextBox", "Frame1", "");
    row("txtN", "platform::TextBox", "Frame1", "");
    row("Label9", "QLabel", "Frame1",
        "Funktion: Die Partialfolgen von A(k) = m*k modulo N werden analysiert. Der "
        "Minimalabstand des neu hinzugekommenen Folgengliedes zu seinen direkten Nachbarn "
        "wird angegeben.");
    row("Label3", "QLabel", "Frame1", "k=");
    row("Label2", "QLabel", "Frame1", "N=");
    row("Label8", "QLabel", "client",
        "Folge der Minimalabstände    (getrennt nach rechtem und linkem Nachbarn: links am "
        "Bildrand; Extremfolge bei aquidistanter Teilung: Kopfzeile)");
    row("Label7", "QLabel", "client", "Reihenfolge der Felderbelegung / Permutation");
    row("Label6", "QLabel", "client", "Die Folge");
    row("Label1", "QLabel", "client", "Zyklar-Analysator");
}

static QString captionOf(QWidget *control)
{
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        return frame->title();
    return {};
}

void TestWindow::controlInventory()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    Form1 form;
    const auto all = form.findChildren<QWidget *>(name);
    QCOMPARE(all.size(), 1);
    QWidget *control = all.first();
    QCOMPARE(QString(control->metaObject()->className()), kind);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(captionOf(control), caption);
    QVERIFY(control->isEnabled());
    if (name.startsWith(u"Command") && caption == u"x")
        QCOMPARE(control->toolTip(), QStringLiteral("Inhalt löschen"));
}

void TestWindow::textBoxesAtDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<bool>("multiLine");
    const QColor none;
    QTest::newRow("txtSchub2") << "txtSchub2" << "  k:  Summe" << QColor(128, 128, 128) << QColor(192, 192, 192) << false;
    QTest::newRow("txtSumme") << "txtSumme" << "" << QColor(224, 224, 224) << none << true;
    QTest::newRow("txtAbstand") << "txtAbstand" << "" << QColor(224, 224, 224) << QColor(0, 0, 128) << true;
    QTest::newRow("txtFolge") << "txtFolge" << "" << QColor(192, 192, 192) << QColor(64, 64, 64) << true;
    QTest::newRow("txtk") << "txtk" << "8" << QColor(255, 255, 192) << none << false;
    QTest::newRow("txtN") << "txtN" << "21" << QColor(255, 255, 192) << none << false;
}

void TestWindow::textBoxesAtDesign()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QColor, background);
    QFETCH(QColor, foreground);
    QFETCH(bool, multiLine);
    Form1 form;
    auto *box = form.findChild<platform::TextBox *>(name);
    QVERIFY(box);
    QCOMPARE(box->text(), text);
    QCOMPARE(box->editor()->palette().color(QPalette::Base), background);
    if (foreground.isValid())
        QCOMPARE(box->editor()->palette().color(QPalette::Text), foreground);
    QCOMPARE(qobject_cast<QPlainTextEdit *>(box->editor()) != nullptr, multiLine);
}

void TestWindow::columnBoxesUseAFixedPitchFont()
{
    Form1 form;
    for (const char *name : {"txtSchub2", "txtSumme", "txtSchub", "txtKopf", "txtAbstand", "txtAusgabe"}) {
        auto *box = form.findChild<platform::TextBox *>(name);
        const QFontInfo info(box->editor()->font());
        QVERIFY2(info.fixedPitch(), name);
        QVERIFY2(info.bold(), name);
        QFontMetrics metrics(box->editor()->font());
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("  1")), metrics.horizontalAdvance(QStringLiteral("200")));
    }
    QCOMPARE(ui::of(form).HScroll1->minimum(), 2);
    QCOMPARE(ui::of(form).HScroll1->maximum(), 200);
    QCOMPARE(ui::of(form).HScroll1->value(), 21);
    QCOMPARE(ui::of(form).HScroll2->minimum(), 1);
    QCOMPARE(ui::of(form).HScroll2->value(), 8);
    QVERIFY(ui::of(form).Option1->isChecked() && !ui::of(form).Option2->isChecked());
    QVERIFY(!ui::of(form).Check1->isChecked());
}

void TestWindow::stackingAndFocusOrder()
{
    Form1 form;
    QWidget *client = form.centralWidget();
    const auto children = client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    auto stackIndex = [&](const char *name) {
        return children.indexOf(client->findChild<QWidget *>(name)); // back to front
    };
    QVERIFY(stackIndex("Command1") > stackIndex("Picture1"));
    QVERIFY(stackIndex("txtFolge") > stackIndex("Label6"));
    QVERIFY(stackIndex("txtKopf") > stackIndex("Label7"));
    QVERIFY(stackIndex("txtSchub") > stackIndex("Label8"));

    // Tab order from the design: txtAusgabe (6), Command2 (7), Command3 (8), txtFolge (9) …
    QStringList order;
    QWidget *w = ui::of(form).txtN->editor();
    for (int i = 0; i < 6; ++i) {
        QWidget *owner = w;
        while (owner && owner->objectName().isEmpty())
            owner = owner->parentWidget();
        order << owner->objectName();
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isEnabled())
            w = w->nextInFocusChain();
    }
    QCOMPARE(order, QStringList({"txtN", "txtk", "txtAusgabe", "Command2", "Command3", "txtFolge"}));
}

namespace {

QString owner(QWidget *widget)
{
    while (widget && widget->objectName().isEmpty())
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QString();
}

std::unique_ptr<Form1> activeWindow()
{
    auto form = startZyklar();
    form->show();
    if (!QTest::qWaitForWindowActive(form.get()))
        qFatal("the window did not become active");
    return form;
}

} // namespace

void TestWindow::tabWalksTheColumnAndComesRound()
{
    testsupport::MessageAnswers answers;
    const auto form = activeWindow();
    const QStringList column{"txtN", "txtk", "txtAusgabe", "Command2", "Command3", "txtFolge",
                             "txtAbstand", "Command4", "Picture1", "Check1", "txtAbs", "HScroll1",
                             "Option1", "Command1", "HScroll2", "txtKopf", "txtSchub", "txtSumme",
                             "txtSchub2"};
    const auto walk = [](int keys, Qt::Key key) {
        QStringList seen;
        for (int i = 0; i < keys; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            seen << owner(QApplication::focusWidget());
        }
        return seen;
    };
    ui::of(*form).txtN->editor()->setFocus();
    QCOMPARE(walk(column.size(), Qt::Key_Tab), column.mid(1) + QStringList{"txtN"});
    QStringList backwards = column;
    std::reverse(backwards.begin(), backwards.end());
    QCOMPARE(walk(column.size(), Qt::Key_Backtab), backwards);

    // The two option buttons are one stop: the selected one.
    ui::of(*form).Option2->setChecked(true);
    ui::of(*form).HScroll1->setFocus();
    QCOMPARE(walk(2, Qt::Key_Tab), QStringList({"Option2", "Command1"}));
}

void TestWindow::arrowKeysMoveTheScrollBars_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("n");
    QTest::newRow("Right") << int(Qt::Key_Right) << 22;
    QTest::newRow("Down") << int(Qt::Key_Down) << 22;
    QTest::newRow("Left") << int(Qt::Key_Left) << 20;
    QTest::newRow("Up") << int(Qt::Key_Up) << 20;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 22;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 20;
    QTest::newRow("Home") << int(Qt::Key_Home) << 2;
    QTest::newRow("End") << int(Qt::Key_End) << 200;
}

void TestWindow::arrowKeysMoveTheScrollBars()
{
    QFETCH(int, key);
    QFETCH(int, n);
    testsupport::MessageAnswers answers;
    const auto form = activeWindow();
    QSignalSpy changes(ui::of(*form).HScroll1, &platform::ScrollBar::change);
    ui::of(*form).HScroll1->setFocus();
    QTest::keyClick(ui::of(*form).HScroll1, Qt::Key(key));
    // The Change handler ran, as for a click on an arrow.
    QCOMPARE(changes.size(), 1);
    QCOMPARE(ui::of(*form).HScroll1->value(), n);
    QCOMPARE(ui::of(*form).txtN->text(), QString::number(n));
    QCOMPARE(ui::of(*form).txtKopf->text().size(), 3 * n);
}

void TestWindow::tabLeavesAMultiLineBox()
{
    testsupport::MessageAnswers answers;
    const auto form = activeWindow();
    const QString before = ui::of(*form).txtAbstand->text();
    ui::of(*form).txtAbstand->editor()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(owner(QApplication::focusWidget()), QStringLiteral("Command4"));
    QCOMPARE(ui::of(*form).txtAbstand->text(), before);
    // The next analysis appends its row to the box's own text, tab-free.
    ui::of(*form).Command2->click();
    QVERIFY(!ui::of(*form).txtAbstand->text().contains(u'\t'));
}

void TestWindow::menuInventory()
{
    Form1 form;
    QStringList bar;
    for (QAction *action : form.menuBar()->actions())
        bar << action->objectName() + '=' + action->text();
    // The design's entries keep their order; "Extras" comes after them.
    QCOMPARE(bar, QStringList({"cmdEnde=Programm beenden", "dmdGroesse=Größe",
                               "cmdclear=Alles löschen", "cmdCopy=copyright",
                               "mnuExtras=Extras"}));
    QStringList size;
    for (QAction *action : form.findChild<QMenu *>("dmdGroesse")->actions()) {
        size << action->objectName() + '=' + action->text();
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(size, QStringList({"cmdBildschirm=Bildschirm", "cmdgroesser=kleiner", "cmdkleiner=größer"}));
    QStringList extras;
    for (QAction *action : form.findChild<QMenu *>("mnuExtras")->actions())
        extras << action->objectName() + '=' + action->text() + '=' + action->shortcut().toString();
    QCOMPARE(extras, QStringList({"cmdRangliste=Rangliste…=Ctrl+R",
                                  "cmdDreiAbstaende=Drei Abstände…=Ctrl+D",
                                  "cmdBildSpeichern=Bild speichern…=Ctrl+S",
                                  "cmdErgebnisseSpeichern=Ergebnisse speichern…=",
                                  "mnuSprache=Sprache / Language="}));
    QStringList languages;
    for (QAction *action : form.findChild<QMenu *>("mnuSprache")->actions())
        languages << action->objectName() + '=' + action->text();
    QCOMPARE(languages, QStringList({"mnuSpracheUmgebung=wie die Arbeitsumgebung",
                                     "mnuSpracheDeutsch=Deutsch", "mnuSpracheEnglisch=English"}));
}

void TestWindow::startUpShowsTheWindowLaidOut()
{
    testsupport::ScreenSize screen(1024, 768);
    testsupport::MessageAnswers answers;
    auto form = startZyklar();
    QVERIFY(!form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Zyklar"));
    QVERIFY(!form->windowIcon().isNull());
    QCOMPARE(form->frameGeometry(), QRect(0, 0, 1024, 768));
    QCOMPARE(form->zoomFactor, 1.0);
    QCOMPARE(ui::of(*form).txtSchub2->text(), QStringLiteral("  k:  Summe"));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->close();
}

void TestWindow::closingEndsTheProgram_data()
{
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("Programm beenden") << true;
    QTest::newRow("closing the window") << false;
}

void TestWindow::closingEndsTheProgram()
{
    QFETCH(bool, viaMenu);
    testsupport::MessageAnswers answers;
    auto form = startZyklar();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    // Run the program's event loop: it must end by itself, with exit code 0.
    QTimer::singleShot(0, form.get(), [&] {
        if (viaMenu)
            form->findChild<QAction *>("cmdEnde")->trigger();
        else
            form->close();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    deadline.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form->isVisible());
    QVERIFY(answers.asked.isEmpty()); // nothing is asked
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
