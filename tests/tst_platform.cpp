// The forms layer: text boxes, scroll bars, the picture box and message boxes
// behave as Zyklar's handlers rely on.

#include "platform/messagebox.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"
#include "drawing/units.h"
#include "platform/geometry.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

using namespace platform;
using testsupport::sendMouse;

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void textBoxKeepsTextExactly_data();
    void textBoxKeepsTextExactly();
    void textBoxViewCatchesUpWithAppends();
    void textBoxTakesWhatTheUserTyped();

    void scrollBarAssignedValueRunsChangeInside();
    void scrollBarSameValueRunsNothing();
    void scrollBarClampsOutOfRange_data();
    void scrollBarClampsOutOfRange();
    void scrollBarArrowClicksAndEnds_data();
    void scrollBarArrowClicksAndEnds();
    void scrollBarDragScrollsThenChangesOnce();

    void pictureCoordinates_data();
    void pictureCoordinates();
    void pictureCircleIsRoundOnScreen();
    void pictureKeepsDrawingMadeBeforeShow();
    void pictureClsErasesToBackground();
    void pictureReportsMouseInUserCoordinates();

    void geometryTreatsNegativeSizesAsZero();

    void messageBoxRealModalPath_data();
    void messageBoxRealModalPath();

    void cleanup();
};

void TestPlatform::cleanup()
{
    QVERIFY2(QApplication::topLevelWidgets().isEmpty()
                     || std::none_of(QApplication::topLevelWidgets().cbegin(),
                                     QApplication::topLevelWidgets().cend(),
                                     [](QWidget *w) { return w->isVisible(); }),
             "a test left a window open");
}

void TestPlatform::textBoxKeepsTextExactly_data()
{
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<QString>("text");
    QTest::newRow("CR LF in a multi-line box") << true << QStringLiteral(" 3- 4\r\n 3- 1\r\n");
    QTest::newRow("blanks kept") << true << QStringLiteral("  1   4   7 ");
    QTest::newRow("empty") << true << QString();
    QTest::newRow("single line with leading blank") << false << QStringLiteral(" 21");
    QTest::newRow("long single line") << false << QString(600, u'7');
}

void TestPlatform::textBoxKeepsTextExactly()
{
    QFETCH(bool, multiLine);
    QFETCH(QString, text);
    TextBox box({multiLine, TextBox::ScrollBars::Both});
    box.setText(QStringLiteral("old"));
    box.setText(text);
    QCOMPARE(box.text(), text);

    // Appended piece by piece, the same text comes back.
    TextBox pieces({multiLine, TextBox::ScrollBars::Both});
    for (QChar c : text)
        pieces.append(QString(c));
    QCOMPARE(pieces.text(), text);
}

void TestPlatform::textBoxViewCatchesUpWithAppends()
{
    TextBox box({true, TextBox::ScrollBars::Both});
    auto *editor = qobject_cast<QPlainTextEdit *>(box.editor());
    QVERIFY(editor);
    box.setText(QStringLiteral("  7  3\r\n"));
    box.append(QStringLiteral("  2  1"));
    box.append(QStringLiteral("\r\n"));
    QCOMPARE(box.text(), QStringLiteral("  7  3\r\n  2  1\r\n"));

    QCoreApplication::processEvents(); // back in the event loop: the view is current
    QCOMPARE(editor->toPlainText(), QStringLiteral("  7  3\n  2  1\n"));

    box.append(QStringLiteral(" 8: 38\r\n"));
    box.syncView();
    QCOMPARE(editor->toPlainText(), QStringLiteral("  7  3\n  2  1\n 8: 38\n"));
}

void TestPlatform::textBoxTakesWhatTheUserTyped()
{
    TextBox line({false, TextBox::ScrollBars::None, true});
    line.setText(QStringLiteral(" 21"));
    line.syncView();
    auto *edit = qobject_cast<QLineEdit *>(line.editor());
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("1e1"));
    QCOMPARE(line.text(), QStringLiteral("1e1"));

    TextBox lines({true, TextBox::ScrollBars::Both});
    lines.setText(QStringLiteral("a\r\n"));
    lines.syncView();
    auto *plain = qobject_cast<QPlainTextEdit *>(lines.editor());
    plain->moveCursor(QTextCursor::End);
    QTest::keyClicks(plain, QStringLiteral("b"));
    QCOMPARE(lines.text(), QStringLiteral("a\r\nb"));
    lines.append(QStringLiteral("c"));
    QCOMPARE(lines.text(), QStringLiteral("a\r\nbc"));
}

void TestPlatform::scrollBarAssignedValueRunsChangeInside()
{
    ScrollBar bar(2, 200, 21);
    QStringList log;
    connect(&bar, &ScrollBar::change, &bar, [&] { log << QStringLiteral("change %1").arg(bar.value()); });
    connect(&bar, &ScrollBar::scroll, &bar, [&] { log << QStringLiteral("scroll"); });
    bar.setValue(7);
    log << QStringLiteral("after");
    QCOMPARE(log, QStringList({"change 7", "after"}));
}

void TestPlatform::scrollBarSameValueRunsNothing()
{
    ScrollBar bar(1, 200, 8);
    QSignalSpy changes(&bar, &ScrollBar::change);
    bar.setValue(8);
    QCOMPARE(changes.count(), 0);
}

void TestPlatform::scrollBarClampsOutOfRange_data()
{
    QTest::addColumn<int>("assigned");
    QTest::addColumn<int>("expected");
    QTest::newRow("below Min") << -5 << 2;
    QTest::newRow("above Max") << 1000 << 200;
    QTest::newRow("inside") << 99 << 99;
}

void TestPlatform::scrollBarClampsOutOfRange()
{
    QFETCH(int, assigned);
    QFETCH(int, expected);
    ScrollBar bar(2, 200, 21);
    bar.setValue(assigned);
    QCOMPARE(bar.value(), expected);
}

void TestPlatform::scrollBarArrowClicksAndEnds_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("rightArrow");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("changes");
    QTest::newRow("N at 2, left arrow") << 2 << 2 << false << 2 << 0;
    QTest::newRow("N at 200, right arrow") << 2 << 200 << true << 200 << 0;
    QTest::newRow("k at 1, left arrow") << 1 << 1 << false << 1 << 0;
    QTest::newRow("k at 200, right arrow") << 1 << 200 << true << 200 << 0;
    QTest::newRow("N at 21, right arrow") << 2 << 21 << true << 22 << 1;
    QTest::newRow("k at 8, left arrow") << 1 << 8 << false << 7 << 1;
}

void TestPlatform::scrollBarArrowClicksAndEnds()
{
    QFETCH(int, min);
    QFETCH(int, start);
    QFETCH(bool, rightArrow);
    QFETCH(int, expected);
    QFETCH(int, changes);
    ScrollBar bar(min, 200, start);
    bar.resize(120, 16);
    QSignalSpy changeSpy(&bar, &ScrollBar::change);
    QSignalSpy scrollSpy(&bar, &ScrollBar::scroll);
    const QPoint arrow = testsupport::scrollBarPart(bar, rightArrow ? QStyle::SC_ScrollBarAddLine
                                                     : QStyle::SC_ScrollBarSubLine)
                                 .center();
    sendMouse(&bar, QEvent::MouseButtonPress, arrow, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&bar, QEvent::MouseButtonRelease, arrow, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(bar.value(), expected);
    QCOMPARE(changeSpy.count(), changes);
    QCOMPARE(scrollSpy.count(), 0);

    // A click into the trough moves by one as well.
    const QPoint trough = testsupport::scrollBarPart(bar, QStyle::SC_ScrollBarAddPage).center();
    if (bar.value() < bar.maximum()) {
        const int before = bar.value();
        sendMouse(&bar, QEvent::MouseButtonPress, trough, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&bar, QEvent::MouseButtonRelease, trough, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(bar.value(), before + 1);
        QCOMPARE(changeSpy.count(), changes + 1);
    }
}

void TestPlatform::scrollBarDragScrollsThenChangesOnce()
{
    ScrollBar bar(2, 200, 21);
    bar.resize(400, 16);
    QStringList log;
    connect(&bar, &ScrollBar::change, &bar, [&] { log << QStringLiteral("change %1").arg(bar.value()); });
    connect(&bar, &ScrollBar::scroll, &bar, [&] { log << QStringLiteral("scroll %1").arg(bar.value()); });

    const QPoint thumb = testsupport::scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    sendMouse(&bar, QEvent::MouseButtonPress, thumb, Qt::LeftButton, Qt::LeftButton);
    for (int dx : {20, 40, 60})
        sendMouse(&bar, QEvent::MouseMove, thumb + QPoint(dx, 0), Qt::NoButton, Qt::LeftButton);
    sendMouse(&bar, QEvent::MouseButtonRelease, thumb + QPoint(60, 0), Qt::LeftButton, Qt::NoButton);

    QVERIFY2(log.size() >= 4, qPrintable(log.join(u", ")));
    for (int i = 0; i + 1 < log.size(); ++i)
        QVERIFY2(log[i].startsWith(u"scroll"), qPrintable(log.join(u", ")));
    QCOMPARE(log.last(), QStringLiteral("change %1").arg(bar.value()));
    QVERIFY(bar.value() > 21);

    // Pressing and releasing the thumb without moving it raises nothing.
    log.clear();
    const QPoint still = testsupport::scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    sendMouse(&bar, QEvent::MouseButtonPress, still, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&bar, QEvent::MouseButtonRelease, still, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(log, QStringList());
}

// A picture box laid out like Picture1 at the design size: 6200 x 5400 twips.
static void makeLikePicture1(PictureBox &picture)
{
    picture.setBackground(QColor(0, 0, 128));
    setGeometryTwips(picture, 0, 0, 6200, 5400);
    picture.setScale(-1.32, -1.22, 1.32, 1.22);
}

void TestPlatform::pictureCoordinates_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("fractionX"); // of the drawing area's width
    QTest::addColumn<double>("fractionY");
    QTest::newRow("top left corner") << -1.32 << -1.22 << 0.0 << 0.0;
    QTest::newRow("centre") << 0.0 << 0.0 << 0.5 << 0.5;
    QTest::newRow("straight below the centre") << 0.0 << 0.85 << 0.5 << (0.85 + 1.22) / 2.44;
    QTest::newRow("bottom right corner") << 1.32 << 1.22 << 1.0 << 1.0;
}

void TestPlatform::pictureCoordinates()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, fractionX);
    QFETCH(double, fractionY);
    PictureBox picture;
    makeLikePicture1(picture);
    const QSize area = picture.drawingArea().size();
    const QPointF pixel = picture.toPixel(x, y);
    QVERIFY(std::abs(pixel.x() - fractionX * area.width()) < 0.01);
    QVERIFY(std::abs(pixel.y() - fractionY * area.height()) < 0.01);
    const QPointF back = picture.toUser(pixel);
    QVERIFY(std::abs(back.x() - x) < 1e-5 && std::abs(back.y() - y) < 1e-5);

    if (fractionX < 1 && fractionY < 1) {
        picture.pset(x, y, Qt::white);
        const QPoint drawn(int(fractionX * area.width()), int(fractionY * area.height()));
        QVERIFY(testsupport::colourAround(picture.image(), drawn, Qt::white, 1));
    }
}

void TestPlatform::pictureCircleIsRoundOnScreen()
{
    PictureBox picture;
    makeLikePicture1(picture);
    // Stretch the box so a user unit is much longer across than down.
    setGeometryTwips(picture, 0, 0, 9000, 3000);
    picture.circle(0, 0, 0.3, QColor(255, 255, 0));
    const QImage image = picture.image();
    const QPoint centre = picture.toPixel(0, 0).toPoint();
    const double radius = 0.3 / 2.64 * picture.drawingArea().width();

    auto extent = [&](QPoint step) {
        int reach = 0;
        for (QPoint p = centre; image.valid(p); p += step, ++reach) {
            if (testsupport::colourNear(image.pixelColor(p), QColor(255, 255, 0)))
                return reach;
        }
        return -1;
    };
    for (QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
        QVERIFY2(std::abs(extent(step) - radius) <= 1.5, qPrintable(QString::number(extent(step))));
}

void TestPlatform::pictureKeepsDrawingMadeBeforeShow()
{
    QWidget window;
    auto *picture = new PictureBox(&window);
    makeLikePicture1(*picture);
    picture->circle(0, 0.85, 0.02, QColor(55, 55, 255));
    window.resize(500, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QImage shown = picture->grab().toImage();
    const QPoint dot = testsupport::widgetPoint(*picture, 0, 0.85);
    const int radius = qRound(0.02 / 2.64 * picture->drawingArea().width());
    QVERIFY(testsupport::colourAround(shown, dot + QPoint(radius, 0), QColor(55, 55, 255), 1));
    picture->update();
    QCoreApplication::processEvents();
    QVERIFY(testsupport::colourAround(picture->grab().toImage(), dot + QPoint(radius, 0),
                                      QColor(55, 55, 255), 1));
}

void TestPlatform::pictureClsErasesToBackground()
{
    PictureBox picture;
    makeLikePicture1(picture);
    picture.setForeColor(Qt::red);
    picture.line(-1, -1, 1, 1);
    picture.setCurrentX(0);
    picture.setCurrentY(0);
    picture.print(QStringLiteral(" 1 "));
    QVERIFY(picture.image().pixelColor(picture.toPixel(0, 0).toPoint()) != QColor(0, 0, 128));
    picture.cls();
    const QImage image = picture.image();
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            QCOMPARE(image.pixelColor(x, y), QColor(0, 0, 128));
    QCOMPARE(picture.foreColor(), QColor(Qt::red));
}

void TestPlatform::pictureReportsMouseInUserCoordinates()
{
    PictureBox picture;
    makeLikePicture1(picture);
    QSignalSpy downs(&picture, &PictureBox::mouseDown);
    const QPoint centre = testsupport::widgetPoint(picture, 0, 0);
    sendMouse(&picture, QEvent::MouseButtonPress, centre, Qt::RightButton, Qt::RightButton);
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    QVERIFY(std::abs(downs[0][2].toDouble()) < 0.01);
    QVERIFY(std::abs(downs[0][3].toDouble()) < 0.01);
}

void TestPlatform::geometryTreatsNegativeSizesAsZero()
{
    QWidget widget;
    setGeometryTwips(widget, 150, 300, -600, 0);
    QCOMPARE(widget.geometry(), QRect(10, 20, 0, 0));
    QCOMPARE(drawing::pixelsFromTwips(std::numeric_limits<double>::quiet_NaN()), 0);
    setFontSize(widget, -3);
    QVERIFY(widget.font().pointSizeF() > 0);
}

void TestPlatform::messageBoxRealModalPath_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("expectedTitle");
    QTest::newRow("OK box without a title shows the program's")
            << int(Message::Buttons::Ok) << QString() << "OK" << int(Answer::Ok) << "Zyklar";
    QTest::newRow("Ja") << int(Message::Buttons::YesNo) << "Einzelschritt" << "Ja"
                        << int(Answer::Yes) << "Einzelschritt";
    QTest::newRow("Nein") << int(Message::Buttons::YesNo) << "Einzelschritt" << "Nein"
                          << int(Answer::No) << "Einzelschritt";
}

void TestPlatform::messageBoxRealModalPath()
{
    QFETCH(int, buttons);
    QFETCH(QString, title);
    QFETCH(QString, click);
    QFETCH(int, expected);
    QFETCH(QString, expectedTitle);
    QString seenTitle;
    QStringList seenButtons;
    QString defaultButton;
    // Look at the box before the answer arrives 20 ms later.
    QTimer probe;
    connect(&probe, &QTimer::timeout, &probe, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !seenTitle.isEmpty())
            return;
        seenTitle = box->windowTitle();
        for (auto *button : box->buttons())
            seenButtons << button->text();
        if (box->defaultButton())
            defaultButton = box->defaultButton()->text();
    });
    probe.start(5);
    testsupport::clickInNextModalBox(click);
    const Answer answer = messageBox(nullptr, {QStringLiteral(" 1. Schritt, weiter?"), title,
                                               Message::Buttons(buttons)});
    QCOMPARE(int(answer), expected);
    QCOMPARE(seenTitle, expectedTitle);
    if (Message::Buttons(buttons) == Message::Buttons::YesNo) {
        QCOMPARE(seenButtons.size(), 2);
        QVERIFY(seenButtons.contains("Ja") && seenButtons.contains("Nein"));
        QCOMPARE(defaultButton, QStringLiteral("Ja"));
    } else {
        QCOMPARE(seenButtons, QStringList{"OK"});
    }
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
