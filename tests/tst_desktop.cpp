// Zyklar as a desktop citizen: every control readable by a screen reader,
// sharp drawing at any device pixel ratio, its application id, and Qt's own
// texts in German where they are installed. CTest runs this test at the
// device pixel ratio 1 and again with QT_SCALE_FACTOR=2.

#include "formcontrols.h"
#include "analysis/starsandspokes.h"
#include "app/application.h"
#include "app/form1.h"
#include "analysis/ring.h"
#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "testsupport.h"

#include <QAccessible>
#include <QFile>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>

class TestDesktop : public QObject
{
    Q_OBJECT
private slots:
    void everyControlHasAnAccessibleName();
    void drawingIsSharpAndLandsAtTheSameUserCoordinates();
    void applicationIdAndGermanQtTexts();

private:
    testsupport::ScreenSize m_screen{1024, 768};
    testsupport::MessageAnswers m_answers;
};

void TestDesktop::everyControlHasAnAccessibleName()
{
    auto form = startZyklar();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    // The controls are the children of the window's client area and of its
    // two containers.
    QList<QWidget *> controls;
    for (QWidget *container : {form->centralWidget(), static_cast<QWidget *>(ui::of(*form).Frame1),
                               static_cast<QWidget *>(ui::of(*form).Picture1)})
        controls += container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    int walked = 0;
    for (QWidget *control : controls) {
        QWidget *spoken = control->focusProxy() ? control->focusProxy() : control;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(spoken);
        QVERIFY2(accessible, qPrintable(control->objectName()));
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(control->objectName()));
        ++walked;
    }
    QCOMPARE(walked, 28);
    auto *ausgabe = QAccessible::queryAccessibleInterface(ui::of(*form).txtAusgabe->editor());
    QCOMPARE(ausgabe->text(QAccessible::Name),
             QStringLiteral("Reihenfolge der Felderbelegung / Permutation"));
    QVERIFY(!ausgabe->text(QAccessible::Description).isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(ui::of(*form).txtN->editor())->text(QAccessible::Name),
             QStringLiteral("N="));
    form->close();
}

void TestDesktop::drawingIsSharpAndLandsAtTheSameUserCoordinates()
{
    auto form = startZyklar();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    ui::of(*form).Command1->click();
    ui::of(*form).txtN->setText(QStringLiteral("7"));
    ui::of(*form).txtk->setText(QStringLiteral("3"));
    ui::of(*form).Command2->click();

    const qreal ratio = ui::of(*form).Picture1->devicePixelRatioF();
    const QImage image = ui::of(*form).Picture1->image();
    // The image holds every device pixel of the drawing area.
    QCOMPARE(image.devicePixelRatio(), ratio);
    QCOMPARE(image.size(), ui::of(*form).Picture1->drawingArea().size() * ratio);

    // Each chord of the star passes through the same user coordinates.
    const int order[] = {0, 3, 6, 2, 5, 1, 4, 0};
    const double step = 6.283 / 7;
    for (int i = 1; i <= 7; ++i) {
        const QPointF middle = (analysis::pointAt(0.75, order[i - 1] * step)
                                + analysis::pointAt(0.75, order[i] * step)) / 2;
        const QPoint device = (ui::of(*form).Picture1->toPixel(middle.x(), middle.y()) * ratio).toPoint();
        QVERIFY2(testsupport::colourAround(image, device, analysis::stepColour(std::min(i, 6), 7),
                                           int(ratio)),
                 qPrintable(QStringLiteral("chord %1 at ratio %2").arg(i).arg(ratio)));
    }
    // A point is one device-independent pixel: ratio × ratio device pixels.
    ui::of(*form).Picture1->pset(1.2, -1.1, Qt::white);
    const QImage marked = ui::of(*form).Picture1->image();
    const QPoint at = (ui::of(*form).Picture1->toPixel(1.2, -1.1) * ratio).toPoint();
    int white = 0;
    for (int y = at.y() - 4; y <= at.y() + 4; ++y)
        for (int x = at.x() - 4; x <= at.x() + 4; ++x)
            white += marked.pixelColor(x, y) == QColor(Qt::white);
    QCOMPARE(white, int(ratio * ratio));
    form->close();
}

void TestDesktop::applicationIdAndGermanQtTexts()
{
    auto form = startZyklar();
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(ZYKLAR_APP_ID));
    QVERIFY(QStringLiteral(ZYKLAR_APP_ID).count(u'.') >= 2);
    const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm";
    if (!QFile::exists(qm))
        QSKIP("Qt's German translations are not installed");
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Rückgängig"));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
