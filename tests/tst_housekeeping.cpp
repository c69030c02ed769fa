// The clear commands, the author credit and freehand marking on the picture.

#include "formcontrols.h"
#include "app/application.h"
#include "app/form1.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"
#include "testsupport.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using testsupport::colourAround;
using testsupport::sendMouse;

namespace {

bool whiteAt(const Form1 &form, double x, double y)
{
    return colourAround(ui::of(form).Picture1->image(), ui::of(form).Picture1->toPixel(x, y).toPoint(), Qt::white, 0);
}

} // namespace

class TestHousekeeping : public QObject
{
    Q_OBJECT
private slots:
    void clearCommands_data();
    void clearCommands();
    void clearingThePictureKeepsNAndHeaderRows();
    void copyrightShowsTheAuthorCredit();
    void freehandMarking_data();
    void freehandMarking();
    void releaseOutsideThePictureEndsMarking();

private:
    testsupport::ScreenSize m_screen{1024, 768};
    testsupport::MessageAnswers m_answers;
};

void TestHousekeeping::clearCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<bool>("clearsPicture");
    QTest::newRow("Alles löschen") << "cmdclear"
                                   << QStringList{"txtAusgabe", "txtAbstand", "txtFolge", "txtAbs", "txtSumme"}
                                   << true;
    QTest::newRow("x beside the picture") << "Command1" << QStringList{} << true;
    QTest::newRow("x beside the permutation") << "Command3" << QStringList{"txtAusgabe"} << false;
    QTest::newRow("x beside the minimal distances") << "Command4" << QStringList{"txtAbstand", "txtSumme"} << false;
}

void TestHousekeeping::clearCommands()
{
    QFETCH(QString, command);
    QFETCH(QStringList, emptied);
    QFETCH(bool, clearsPicture);
    auto form = startZyklar();
    const QStringList outputs{"txtAusgabe", "txtAbstand", "txtFolge", "txtAbs", "txtSumme",
                              "txtN", "txtk", "txtKopf", "txtSchub", "txtSchub2"};
    QHash<QString, QString> before;
    for (const QString &name : outputs)
        before[name] = form->findChild<platform::TextBox *>(name)->text();
    const QImage picture = ui::of(*form).Picture1->image();

    if (auto *action = form->findChild<QAction *>(command))
        action->trigger();
    else
        form->findChild<QPushButton *>(command)->click();

    for (const QString &name : outputs) {
        const QString text = form->findChild<platform::TextBox *>(name)->text();
        if (emptied.contains(name))
            QCOMPARE(text, QString());
        else
            QCOMPARE(text, before[name]);
    }
    QCOMPARE(testsupport::onlyBackground(ui::of(*form).Picture1->image()), clearsPicture);
    if (!clearsPicture)
        QCOMPARE(ui::of(*form).Picture1->image(), picture);
    QCOMPARE(ui::of(*form).HScroll1->value(), 21);
    QCOMPARE(ui::of(*form).HScroll2->value(), 8);
    QCOMPARE(form->selection().n, 21);
    QCOMPARE(form->selection().k, 8);
}

void TestHousekeeping::clearingThePictureKeepsNAndHeaderRows()
{
    auto form = startZyklar();
    ui::of(*form).HScroll1->setValue(30); // the bare ring of blue dots
    const QString numbers = ui::of(*form).txtKopf->text();
    ui::of(*form).Command1->click();
    QVERIFY(testsupport::onlyBackground(ui::of(*form).Picture1->image())); // the dots are gone too
    QCOMPARE(form->selection().n, 30);
    QCOMPARE(ui::of(*form).txtKopf->text(), numbers);
    ui::of(*form).HScroll1->setValue(31); // the next scroll bar event brings them back
    QVERIFY(!testsupport::onlyBackground(ui::of(*form).Picture1->image()));
}

void TestHousekeeping::copyrightShowsTheAuthorCredit()
{
    auto form = startZyklar();
    testsupport::RealMessageBoxes real;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QTimer probe;
    connect(&probe, &QTimer::timeout, &probe, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !title.isEmpty())
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        for (auto *button : box->buttons())
            buttons << button->text();
    });
    probe.start(5);
    testsupport::clickInNextModalBox(QStringLiteral("OK"));
    const QString summe = ui::of(*form).txtSumme->text();
    form->findChild<QAction *>("cmdCopy")->trigger();

    QCOMPARE(title, QStringLiteral("Programmiert von"));
    QVERIFY(!text.isEmpty() && !text.contains(u'\n'));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QStringList{"OK"});
    QCOMPARE(ui::of(*form).txtSumme->text(), summe);
    form->close();
}

void TestHousekeeping::freehandMarking_data()
{
    QTest::addColumn<int>("pressed");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void TestHousekeeping::freehandMarking()
{
    QFETCH(int, pressed);
    const auto button = Qt::MouseButton(pressed);
    auto form = startZyklar();
    ui::of(*form).Command1->click();
    QWidget *picture = ui::of(*form).Picture1;

    // Before the first press, movement draws nothing.
    QCOMPARE(form->mouseDown, 0);
    sendMouse(picture, QEvent::MouseMove, testsupport::widgetPoint(*ui::of(*form).Picture1, 0.5, 0.5), Qt::NoButton, Qt::NoButton);
    QVERIFY(testsupport::onlyBackground(ui::of(*form).Picture1->image()));

    // The press itself marks nothing; each movement while held marks a point.
    sendMouse(picture, QEvent::MouseButtonPress, testsupport::widgetPoint(*ui::of(*form).Picture1, 0.2, 0.2), button, button);
    QCOMPARE(form->mouseDown, 1);
    QVERIFY(testsupport::onlyBackground(ui::of(*form).Picture1->image()));
    sendMouse(picture, QEvent::MouseMove, testsupport::widgetPoint(*ui::of(*form).Picture1, 0.3, 0.3), Qt::NoButton, button);
    sendMouse(picture, QEvent::MouseMove, testsupport::widgetPoint(*ui::of(*form).Picture1, 0.6, 0.3), Qt::NoButton, button);
    QVERIFY(whiteAt(*form, 0.3, 0.3));
    QVERIFY(whiteAt(*form, 0.6, 0.3));
    QVERIFY(!whiteAt(*form, 0.45, 0.3)); // points are not joined
    QVERIFY(std::abs(ui::of(*form).Picture1->currentX() - 0.6) < 0.02);
    QVERIFY(std::abs(ui::of(*form).Picture1->currentY() - 0.3) < 0.02);

    // After the release, nothing more.
    sendMouse(picture, QEvent::MouseButtonRelease, testsupport::widgetPoint(*ui::of(*form).Picture1, 0.6, 0.3), button, Qt::NoButton);
    QCOMPARE(form->mouseDown, 0);
    sendMouse(picture, QEvent::MouseMove, testsupport::widgetPoint(*ui::of(*form).Picture1, -0.5, -0.5), Qt::NoButton, Qt::NoButton);
    QVERIFY(!whiteAt(*form, -0.5, -0.5));

    // Clearing the picture takes the marks away.
    ui::of(*form).Command1->click();
    QVERIFY(testsupport::onlyBackground(ui::of(*form).Picture1->image()));
}

void TestHousekeeping::releaseOutsideThePictureEndsMarking()
{
    auto form = startZyklar();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QTest::mousePress(ui::of(*form).Picture1, Qt::LeftButton, {}, testsupport::widgetPoint(*ui::of(*form).Picture1, 0, 0));
    QCOMPARE(form->mouseDown, 1);
    // Released over txtAbstand, far outside the picture: Qt's implicit grab
    // still hands the release to the picture.
    const QPoint outside = ui::of(*form).Picture1->mapFrom(form.get(), ui::of(*form).txtAbstand->geometry().center());
    QTest::mouseRelease(ui::of(*form).Picture1, Qt::LeftButton, {}, outside);
    QCOMPARE(form->mouseDown, 0);
    form->close();
}

QTEST_MAIN(TestHousekeeping)
#include "tst_housekeeping.moc"
