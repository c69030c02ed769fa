// Layout and zoom: the window and its controls follow the screen size and the
// zoom factor, Picture1 gets its user coordinates, and the zoom commands walk
// the factor within its clamps.

#include "formcontrols.h"
#include "app/application.h"
#include "app/form1.h"
#include "form/layoutscale.h"
#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "drawing/units.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <set>

class TestLayout : public QObject
{
    Q_OBJECT
private slots:
    void scales_data();
    void scales();
    void zoomWalks_data();
    void zoomWalks();

    void everyControlHasItsPlace();
    void controlsFollowTheTable_data();
    void controlsFollowTheTable();
    void pictureAtZoomOneAndAHalf();
    void optionButtonsSitInPictureUnits();
    void layoutIsRepeatable();
    void bildschirmReturnsToFullScreen();
    void resizingByHandMovesNothing();
    void singleStepTickedLeavesPictureEmpty();
};

void TestLayout::scales_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("scaleX");
    QTest::addColumn<double>("scaleY");
    QTest::addColumn<double>("label1Font");
    QTest::addColumn<double>("frame1Font");
    QTest::newRow("1024x768 at 1.0") << QSize(1024, 768) << 1.0 << 1.0 << 1.0 << 24.0 << 8.0;
    QTest::newRow("1024x768 at 1.5") << QSize(1024, 768) << 1.5 << 2 / 3.0 << 2 / 3.0 << 16.0 << 16 / 3.0;
    QTest::newRow("1280x1024 at 1.0: fonts follow the narrower scale")
            << QSize(1280, 1024) << 1.0 << 1.25 << 4 / 3.0 << 30.0 << 10.0;
    QTest::newRow("portrait 768x1024: scaleY above scaleX")
            << QSize(768, 1024) << 1.0 << 0.75 << 4 / 3.0 << 18.0 << 6.0;
}

void TestLayout::scales()
{
    QFETCH(QSize, screen);
    QFETCH(double, zoom);
    QFETCH(double, scaleX);
    QFETCH(double, scaleY);
    QFETCH(double, label1Font);
    QFETCH(double, frame1Font);
    const auto scales = form::scalesFor(QSizeF(screen) * 15, zoom);
    QVERIFY(qFuzzyCompare(scales.x, scaleX));
    QVERIFY(qFuzzyCompare(scales.y, scaleY));
    QVERIFY(qFuzzyCompare(form::layoutOrder()[1]->layout.fontSize * scales.font, label1Font));
    QVERIFY(qFuzzyCompare(form::layoutOrder()[2]->layout.fontSize * scales.font, frame1Font));
}

void TestLayout::zoomWalks_data()
{
    QTest::addColumn<bool>("smaller");
    QTest::addColumn<double>("start");
    QTest::addColumn<QList<double>>("walk");
    QTest::newRow("kleiner from 1.0") << true << 1.0
                                      << QList<double>{1.1, 1.21, 1.331, 1.4641, 1.5, 1.5};
    QTest::newRow("größer from 1.5")
            << false << 1.5 << QList<double>{1.5 / 1.1, 1.5 / 1.21, 1.5 / 1.331, 1.5 / 1.4641, 1.0, 1.0};
}

void TestLayout::zoomWalks()
{
    QFETCH(bool, smaller);
    QFETCH(double, start);
    QFETCH(QList<double>, walk);
    double zoom = start;
    for (double expected : walk) {
        zoom = smaller ? form::zoomedSmaller(zoom) : form::zoomedLarger(zoom);
        QVERIFY2(std::abs(zoom - expected) < 1e-12, qPrintable(QString::number(zoom, 'g', 17)));
    }
    QVERIFY(std::abs(form::zoomedLarger(1.5) - 1.3636) < 1e-4);
    QVERIFY(std::abs(form::zoomedLarger(1.5 / 1.4641) - 1.0) < 1e-12);
}

static std::unique_ptr<Form1> windowFor(int width, int height, double zoom)
{
    testsupport::ScreenSize screen(width, height);
    testsupport::MessageAnswers answers;
    auto form = startZyklar();
    form->zoomFactor = zoom;
    form->ApplyLayout();
    return form;
}

void TestLayout::controlsFollowTheTable_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("zoom");
    QTest::newRow("1024x768 at 1.0") << QSize(1024, 768) << 1.0;
    QTest::newRow("1024x768 at 1.5") << QSize(1024, 768) << 1.5;
    QTest::newRow("1280x1024 at 1.0") << QSize(1280, 1024) << 1.0;
}

void TestLayout::controlsFollowTheTable()
{
    QFETCH(QSize, screen);
    QFETCH(double, zoom);
    const auto form = windowFor(screen.width(), screen.height(), zoom);
    const auto scales = form::scalesFor(QSizeF(screen) * 15, zoom);

    QCOMPARE(form->frameGeometry(),
             QRect(0, 0, qRound(screen.width() / zoom), qRound(screen.height() / zoom)));
    const form::Controls controls = form::controlsOf(*form);
    for (const form::Control *row : form::layoutOrder()) {
        const QWidget *control = row->slot.read(controls);
        const QRectF twips = form::scaledGeometry(row->layout.base, scales);
        const QRect expected(qRound(twips.x() / 15), qRound(twips.y() / 15),
                             qRound(twips.width() / 15), qRound(twips.height() / 15));
        QCOMPARE(control->geometry(), expected);
        if (row->layout.fontSize > 0)
            QVERIFY2(std::abs(control->font().pointSizeF()
                              - row->layout.fontSize * scales.font) < 0.01,
                     row->name);
    }
    if (screen == QSize(1024, 768) && zoom == 1.0) {
        // At the design size every control stands at exactly its base values.
        QCOMPARE(controls.txtAbs->geometry(), QRect(16, 5, 100, 680));
        QCOMPARE(controls.Picture1->geometry(), QRect(587, 0, 413, 360));
        QCOMPARE(controls.HScroll1->geometry(), QRect(55, 61, 80, 21));
    }
}

void TestLayout::pictureAtZoomOneAndAHalf()
{
    const auto form = windowFor(1024, 768, 1.5);
    QCOMPARE(form->frameGeometry().size(), QSize(683, 512)); // 10240 x 7680 twips
    // 5866.67, 0 with 4133.33 x 3600 twips
    QCOMPARE(ui::of(*form).Picture1->geometry(), QRect(391, 0, 276, 240));
    QVERIFY(std::abs(ui::of(*form).Label1->font().pointSizeF() - 16) < 0.01);
    QVERIFY(std::abs(ui::of(*form).txtAusgabe->font().pointSizeF() - 9.333) < 0.01);
}

void TestLayout::optionButtonsSitInPictureUnits()
{
    for (double zoom : {1.0, 1.5}) {
        const auto form = windowFor(1024, 768, zoom);
        const QRect area = ui::of(*form).Picture1->drawingArea();
        // Tops at 1.0 and 1.1 units: 91 % and 95 % of the drawing area's height.
        QCOMPARE(ui::of(*form).Option1->y(), area.top() + qRound(area.height() * 2.22 / 2.44));
        QCOMPARE(ui::of(*form).Option2->y(), area.top() + qRound(area.height() * 2.32 / 2.44));
        // Their size does not scale.
        QCOMPARE(ui::of(*form).Option1->size(), QSize(56, 16));
        QCOMPARE(ui::of(*form).Option2->x(), area.left());
    }
}

void TestLayout::everyControlHasItsPlace()
{
    // Each laid-out control has one step of the layout, the steps run
    // 1 … 26 without a gap, and only the option buttons inside the picture
    // keep their design geometry; the tab column has no stop twice.
    std::set<int> steps, tabs;
    for (const form::Control &control : form::controlTable) {
        const bool option = control.container == form::Container::Picture1;
        QVERIFY2((control.layout.step == 0) == option, control.name);
        if (!option)
            QVERIFY2(steps.insert(control.layout.step).second, control.name);
        if (control.tab >= 0)
            QVERIFY2(tabs.insert(control.tab).second, control.name);
    }
    QCOMPARE(int(steps.size()), int(form::layoutOrder().size()));
    QCOMPARE(*steps.begin(), 1);
    QCOMPARE(*steps.rbegin(), int(form::layoutOrder().size()));
    QCOMPARE(form::layoutOrder().back()->name, "Command1"); // last, over the picture's corner
}

void TestLayout::layoutIsRepeatable()
{
    const auto form = windowFor(1280, 1024, 1.21);
    const form::Controls controls = form::controlsOf(*form);
    QList<QRect> before;
    for (const form::Control &row : form::controlTable)
        before << row.slot.read(controls)->geometry();
    testsupport::ScreenSize screen(1280, 1024);
    testsupport::MessageAnswers answers;
    form->ApplyLayout();
    for (int i = 0; i < before.size(); ++i)
        QCOMPARE(form::controlTable[size_t(i)].slot.read(controls)->geometry(), before[i]);
}

void TestLayout::bildschirmReturnsToFullScreen()
{
    testsupport::ScreenSize screen(1024, 768);
    testsupport::MessageAnswers answers;
    auto form = startZyklar();
    for (int i = 0; i < 3; ++i)
        form->findChild<QAction *>("cmdgroesser")->trigger();
    QVERIFY(std::abs(form->zoomFactor - 1.331) < 1e-12);
    QCOMPARE(form->frameGeometry().size(), QSize(qRound(1024 / 1.331), qRound(768 / 1.331)));
    form->findChild<QAction *>("cmdBildschirm")->trigger();
    QCOMPARE(form->zoomFactor, 1.0);
    QCOMPARE(form->frameGeometry(), QRect(0, 0, 1024, 768));
    form->findChild<QAction *>("cmdkleiner")->trigger(); // "größer" at 1.0 stays 1.0
    QCOMPARE(form->zoomFactor, 1.0);
}

void TestLayout::resizingByHandMovesNothing()
{
    const auto form = windowFor(1024, 768, 1.0);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QRect picture = ui::of(*form).Picture1->geometry();
    const double font = ui::of(*form).txtAbstand->font().pointSizeF();
    form->resize(500, 300);
    QCoreApplication::processEvents();
    QCOMPARE(ui::of(*form).Picture1->geometry(), picture);
    QCOMPARE(ui::of(*form).txtAbstand->font().pointSizeF(), font);
    form->close();
}

void TestLayout::singleStepTickedLeavesPictureEmpty()
{
    testsupport::ScreenSize screen(1024, 768);
    testsupport::MessageAnswers answers;
    auto form = startZyklar();
    ui::of(*form).Picture1->circle(0, 0, 0.5, Qt::yellow);
    ui::of(*form).txtAbstand->setText(QStringLiteral("kept\r\n"));
    ui::of(*form).Check1->setChecked(true);
    form->findChild<QAction *>("cmdgroesser")->trigger();
    QVERIFY(testsupport::onlyBackground(ui::of(*form).Picture1->image()));
    QCOMPARE(ui::of(*form).txtAbstand->text(), QStringLiteral("kept\r\n"));
    QVERIFY(answers.asked.isEmpty());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
