// Arbitrary bytes as a sequence of user actions on the real window, made
// as the program makes it, on the offscreen platform under AddressSanitizer
// and UndefinedBehaviorSanitizer: typing any text into txtN and txtk,
// "Analyse", the scroll bars (arrows, pages, drags), "Einzelschritt" with Ja
// and Nein, the option buttons, every menu command but "Programm beenden"
// (saving into a temporary folder or cancelled), freehand marking, the "x"
// buttons and keys. After every analysis that ran to its end, the boxes
// show what the engine computes for the window's N and k, and the sum line
// ends the output.

#include "analysis/input.h"
#include "app/application.h"
#include "app/form1.h"
#include "analysis/numbertext.h"
#include "formcontrols.h"
#include "numbers/spread.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

using numbers::u64;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The input, read from the front.
class Bytes
{
public:
    Bytes(const uint8_t *data, size_t size)
        : m_data(data), m_size(size)
    {
    }
    bool more() const { return m_at < m_size; }
    uint8_t next() { return m_at < m_size ? m_data[m_at++] : 0; }
    QString text()
    {
        QByteArray bytes;
        for (int length = next() % 12; length > 0 && more(); --length)
            bytes += char(next());
        return QString::fromUtf8(bytes);
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

QApplication &application()
{
    static int argc = 1;
    static char name[] = "fuzz_window";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto *made = new QApplication(argc, argv);
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        return made;
    }();
    return *app;
}

QString lastLine(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.isEmpty() ? QString() : lines.last();
}

// The boxes after an analysis of n and k that ran to its end, against the
// engine.
void checkBoxes(const Form1 &form)
{
    const int n = form.selection().n, k = form.selection().k;
    check(n >= 2 && n <= 200 && k >= 1 && k < n);
    check(analysis::readNumber(ui::of(form).txtN->text()) == n);
    check(analysis::readNumber(ui::of(form).txtk->text()) == k);
    u64 sum = 0;
    check(numbers::spreadSum(u64(n), u64(k), sum));
    check(lastLine(ui::of(form).txtSumme->text())
          == analysis::numberText(k) + u':' + analysis::numberText(double(sum)));
    QString minimal = analysis::column3(n), sequence = analysis::column3(1) + u' ', gaps;
    numbers::Occupation steps{u64(n), u64(k)};
    for (int i = 1; i < n; ++i) {
        steps.advance();
        minimal += analysis::column3(double(steps.minimal()));
        sequence += analysis::column3(double(steps.position() + 1)) + u' ';
        gaps += analysis::numberText(double(steps.backward())) + u'-'
                + analysis::numberText(double(steps.forward())) + QStringLiteral("\r\n");
    }
    // A single step stopped before leaves its row unfinished; this one ends it.
    check(lastLine(ui::of(form).txtAbstand->text()).endsWith(minimal));
    check(ui::of(form).txtFolge->text() == sequence);
    check(ui::of(form).txtAbs->text() == gaps);
    QString permutation;
    for (u64 step : numbers::stepsByPosition(u64(n), u64(k)))
        permutation += analysis::column3(double(step));
    check(lastLine(ui::of(form).txtAusgabe->text()) == permutation);
}

void scroll(platform::ScrollBar &bar, Bytes &in)
{
    switch (in.next() % 5) {
    case 0: bar.triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case 1: bar.triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case 2: bar.triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case 3: bar.triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case 4: // a drag over a few values, then the release
        bar.setSliderDown(true);
        for (int moves = in.next() % 4; moves >= 0; --moves)
            bar.setSliderPosition(bar.minimum() + in.next() % (bar.maximum() - bar.minimum() + 1));
        bar.setSliderDown(false);
        break;
    }
}

const char *const menuCommands[] = {"cmdBildschirm", "cmdgroesser", "cmdkleiner", "cmdDreiAbstaende",
                                    "cmdclear",         "cmdCopy",         "cmdRangliste",
                                    "cmdBildSpeichern", "cmdErgebnisseSpeichern"};

const Qt::Key keys[] = {Qt::Key_Tab,   Qt::Key_Backtab,  Qt::Key_Left,   Qt::Key_Right,
                        Qt::Key_Up,    Qt::Key_Down,     Qt::Key_PageUp, Qt::Key_PageDown,
                        Qt::Key_Home,  Qt::Key_End,      Qt::Key_Space,  Qt::Key_Return,
                        Qt::Key_1,     Qt::Key_7,        Qt::Key_Period, Qt::Key_Backspace,
                        Qt::Key_Delete, Qt::Key_E,       Qt::Key_Minus,  Qt::Key_Escape,
                        Qt::Key_R,     Qt::Key_S,        Qt::Key_D};

// The window, made once as the program makes it and shown; each input
// starts from much the state after start-up: full size, the start values in
// the boxes and scroll bars, star mode, no single step, the result boxes
// and the picture cleared, the other windows closed.
// Making a window for every input would cost more than the input's actions.
Form1 &window()
{
    static Form1 *form = [] {
        Form1 *made = startZyklar().release();
        made->show();
        made->activateWindow();
        return made;
    }();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != form)
            window->hide();
    }
    ui::of(*form).Check1->setChecked(false);
    ui::of(*form).Option1->setChecked(true);
    if (form->zoomFactor != 1.0)
        form->cmdBildschirm_Click(); // the layout at full size
    ui::of(*form).HScroll1->setValue(21);
    ui::of(*form).HScroll2->setValue(8);
    form->cmdclear_Click();
    form->mouseDown = 0;
    QCoreApplication::processEvents();
    return *form;
}

// Actions taken over the whole run, told when the fuzzer ends.
long long actions = 0;
const int told = std::atexit([] { std::fprintf(stderr, "fuzz_window: %lld actions\n", actions); });

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    application();
    static QTemporaryDir folder;
    Bytes in(data, size);
    // Answers for the message boxes and the file dialog, drawn from the input.
    bool stopped = false;
    platform::setAnswerer([&](const platform::Message &message) {
        if (message.buttons != platform::Message::Buttons::YesNo)
            return platform::Answer::Ok;
        const bool no = in.next() % 8 == 0;
        stopped = stopped || no;
        return no ? platform::Answer::No : platform::Answer::Yes;
    });
    platform::setSaveAnswerer([&](const platform::SaveQuestion &question) {
        const char *const names[] = {"", "bild.png", "bild.svg", "bild.pdf", "bild.txt",
                                     "daten.csv", "fehlt/bild.png"};
        const QString name = QString::fromLatin1(names[in.next() % 7]);
        return platform::SaveAnswer{name.isEmpty() ? QString() : folder.filePath(name),
                                    int(in.next() % (question.filters.size() + 1))};
    });

    Form1 &form = window();
    while (in.more()) {
        ++actions;
        switch (in.next() % 12) {
        case 0: ui::of(form).txtN->setText(in.text()); break;
        case 1: ui::of(form).txtk->setText(in.text()); break;
        case 2:
            stopped = false;
            ui::of(form).Command2->click();
            if (!stopped)
                checkBoxes(form);
            break;
        case 3: scroll(*ui::of(form).HScroll1, in); break;
        case 4: scroll(*ui::of(form).HScroll2, in); break;
        case 5: ui::of(form).Check1->click(); break;
        case 6: (in.next() % 2 ? ui::of(form).Option1 : ui::of(form).Option2)->click(); break;
        case 7: {
            const char *name = menuCommands[in.next() % std::size(menuCommands)];
            form.findChild<QAction *>(QLatin1String(name))->trigger();
            break;
        }
        case 8: { // freehand marking: press, a few moves, release
            QWidget *picture = ui::of(form).Picture1;
            const auto at = [&] { return QPoint(in.next() * 2, in.next() * 2); };
            QTest::mousePress(picture, Qt::LeftButton, {}, at());
            for (int moves = in.next() % 6; moves > 0; --moves)
                QTest::mouseMove(picture, at());
            QTest::mouseRelease(picture, Qt::LeftButton, {}, at());
            break;
        }
        case 9: {
            QPushButton *clear[] = {ui::of(form).Command1, ui::of(form).Command3, ui::of(form).Command4};
            clear[in.next() % 3]->click();
            break;
        }
        default: { // a key to whatever has the focus, Ctrl now and then
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
            const uint8_t key = in.next();
            QTest::keyClick(target, keys[key % std::size(keys)],
                            key & 0x80 ? Qt::ControlModifier : Qt::NoModifier);
            break;
        }
        }
        QCoreApplication::processEvents();
    }
    platform::setAnswerer({});
    platform::setSaveAnswerer({});
    return 0;
}
