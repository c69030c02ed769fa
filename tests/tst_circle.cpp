// The position circle and the header rows: number texts, the dots of the
// ring, and what the two scroll bars change and leave alone.

#include "formcontrols.h"
#include "app/application.h"
#include "app/form1.h"
#include "analysis/numbertext.h"
#include "analysis/ring.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"
#include "testsupport.h"

#include <QTest>

using testsupport::colourAround;

class TestCircle : public QObject
{
    Q_OBJECT
private slots:
    void nScrollBarRedrawsRingAndRows();
    void dotsLandOnTheirPoints_data();
    void dotsLandOnTheirPoints();
    void kScrollBarOnlyWritesItsBox();

private:
    testsupport::ScreenSize m_screen{1024, 768};
    testsupport::MessageAnswers m_answers;
};

void TestCircle::nScrollBarRedrawsRingAndRows()
{
    auto form = startZyklar();
    ui::of(*form).Picture1->pset(0, 0, Qt::white); // a freehand mark
    ui::of(*form).HScroll1->setValue(200);

    QCOMPARE(ui::of(*form).txtN->text(), QStringLiteral("200")); // plain digits, no blank
    QCOMPARE(form->selection().n, 200);
    QCOMPARE(form->selection().angleStep, 6.283 / 200);
    const QString numbers = ui::of(*form).txtKopf->text();
    const QString spacings = ui::of(*form).txtSchub->text();
    QCOMPARE(numbers.size(), 600);
    QVERIFY(numbers.endsWith(u"199200"));
    QVERIFY(spacings.startsWith(u"200100 66 50 40 33 28 25 22 20"));
    QCOMPARE(spacings.size(), 600);

    // Only the 200 blue dots are left; the mark and the analysis are gone.
    const QImage image = ui::of(*form).Picture1->image();
    const QPoint centre = ui::of(*form).Picture1->toPixel(0, 0).toPoint();
    QCOMPARE(image.pixelColor(centre), QColor(0, 0, 128));
    const QPointF top = ui::of(*form).Picture1->toPixel(0, -0.85);
    QVERIFY(colourAround(image, top.toPoint(), analysis::dotColour, 3));
    QVERIFY(!colourAround(image, ui::of(*form).Picture1->toPixel(0, 1.0).toPoint(), Qt::white, 3));
}

void TestCircle::dotsLandOnTheirPoints_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("N = 2") << 2;
    QTest::newRow("N = 21") << 21;
}

void TestCircle::dotsLandOnTheirPoints()
{
    QFETCH(int, n);
    auto form = startZyklar();
    ui::of(*form).HScroll1->setValue(n == 21 ? 22 : 21); // make sure the value moves
    ui::of(*form).HScroll1->setValue(n);
    const QImage image = ui::of(*form).Picture1->image();
    const double radius = analysis::dotRadius / 2.64 * ui::of(*form).Picture1->drawingArea().width();
    for (int i = 0; i < n; ++i) {
        const QPointF p = ui::of(*form).Picture1->toPixel(analysis::positionPoint(i, 6.283 / n).x(),
                                                   analysis::positionPoint(i, 6.283 / n).y());
        // The dot's outline passes radius pixels to the left and right of its point.
        QVERIFY(colourAround(image, (p + QPointF(radius, 0)).toPoint(), analysis::dotColour, 1));
        QVERIFY(colourAround(image, (p - QPointF(radius, 0)).toPoint(), analysis::dotColour, 1));
    }
}

void TestCircle::kScrollBarOnlyWritesItsBox()
{
    auto form = startZyklar();
    const QImage before = ui::of(*form).Picture1->image();
    const QString numbers = ui::of(*form).txtKopf->text();
    const QString spacings = ui::of(*form).txtSchub->text();
    const QString nText = ui::of(*form).txtN->text();
    const int n = form->selection().n;
    const int k = form->selection().k;

    ui::of(*form).HScroll2->setValue(13);
    QCOMPARE(ui::of(*form).txtk->text(), QStringLiteral("13"));
    QCOMPARE(ui::of(*form).Picture1->image(), before);
    QCOMPARE(ui::of(*form).txtKopf->text(), numbers);
    QCOMPARE(ui::of(*form).txtSchub->text(), spacings);
    QCOMPARE(ui::of(*form).txtN->text(), nText);
    QCOMPARE(form->selection().n, n);
    QCOMPARE(form->selection().k, k);
}

QTEST_MAIN(TestCircle)
#include "tst_circle.moc"
