// Memory follows what the user keeps, not the number of clicks: ten
// thousand analyses at N = 200, alternating two multipliers and repeating
// one, with the result boxes cleared by their "x" buttons between blocks,
// leave the process no larger than a hundred did.

#include "app/application.h"
#include "app/form1.h"
#include "formcontrols.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QTest>

#include <malloc.h>
#include <unistd.h>

namespace {

// Resident memory in megabytes, after giving freed memory back.
double residentMegabytes()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

} // namespace

class TestMemory : public QObject
{
    Q_OBJECT
private slots:
    void repeatsKeepThePictureRecord();
    void tenThousandAnalyses();

private:
    testsupport::ScreenSize m_screen{1024, 768};
    testsupport::MessageAnswers m_answers;
};

// The picture keeps each distinct thing it has drawn once: analysing the
// same multipliers again adds nothing to what it replays into a saved file,
// and its record stays within twice the distinct primitives, however many
// repeats it has seen.
void TestMemory::repeatsKeepThePictureRecord()
{
    const auto form = startZyklar();
    const drawing::Canvas &canvas = ui::of(*form).Picture1->canvas();
    const auto replayed = [&canvas] {
        QPicture picture;
        QPainter painter(&picture);
        canvas.drawing().paint(painter);
        painter.end();
        return picture.size();
    };
    const auto analyse = [&form](const char *k) {
        ui::of(*form).txtN->setText(QStringLiteral("200"));
        ui::of(*form).txtk->setText(QLatin1String(k));
        ui::of(*form).Command2->click();
        QCoreApplication::processEvents();
    };
    analyse("77");
    const size_t distinct = canvas.recorded();
    const uint once = replayed();
    QVERIFY(distinct > 1000); // the ring, its numbers and 199 steps
    for (int repeat = 0; repeat < 5; ++repeat) {
        analyse("77");
        QCOMPARE(canvas.recorded(), distinct);
        QVERIFY(canvas.recordLength() <= 2 * distinct + 1024);
        QCOMPARE(replayed(), once);
    }
    analyse("113");
    const size_t both = canvas.recorded();
    const uint twice = replayed();
    QVERIFY(both > distinct && twice > once);
    for (int repeat = 0; repeat < 3; ++repeat) {
        analyse("77");
        analyse("113");
        QCOMPARE(canvas.recorded(), both);
        QVERIFY(canvas.recordLength() <= 2 * both + 1024);
        QCOMPARE(replayed(), twice);
    }
}

void TestMemory::tenThousandAnalyses()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer keeps freed memory on purpose");
#endif
    const auto form = startZyklar();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    ui::of(*form).txtN->setText(QStringLiteral("200"));
    int analyses = 0;
    // A block: fifty analyses alternating 77 and 113, fifty of 77 again;
    // then the boxes are cleared, as a user keeps only what they want.
    const auto block = [&] {
        for (int i = 0; i < 100; ++i) {
            ui::of(*form).txtk->setText(i < 50 && i % 2 ? QStringLiteral("113") : QStringLiteral("77"));
            ui::of(*form).Command2->click();
            QCoreApplication::processEvents();
            ++analyses;
        }
        ui::of(*form).Command3->click();
        ui::of(*form).Command4->click();
        QCoreApplication::processEvents();
    };
    block();
    const double after100 = residentMegabytes();
    while (analyses < 1000)
        block();
    const double after1000 = residentMegabytes();
    while (analyses < 10000)
        block();
    const double after10000 = residentMegabytes();
    qInfo("resident memory after 100, 1000 and 10000 analyses: %.1f, %.1f, %.1f MB", after100,
          after1000, after10000);
    QVERIFY2(after10000 - after100 < 10, qPrintable(QString::number(after10000 - after100)));
}

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"
