// Arbitrary bytes as the texts of txtN and txtk, read and reduced by the real
// window. Afterwards, always: 2 ≤ N ≤ 200, 1 ≤ k ≤ N − 1, N and k coprime,
// the boxes and scroll bars showing them, and the divisor message shown
// exactly when a divisor other than 1 was cancelled. libFuzzer's timeout
// catches a reduction that does not end.

#include "formcontrols.h"
#include "form/analysecommand.h"
#include "analysis/input.h"
#include "app/application.h"
#include "app/form1.h"
#include "analysis/numbertext.h"
#include "platform/messagebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

#include <QApplication>

#include <cmath>
#include <cstdlib>
#include <numeric>

namespace {

Form1 &window()
{
    static int argc = 1;
    static char name[] = "fuzz_input";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
    static Form1 *form = startZyklar().release();
    return *form;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Form1 &form = window();
    // The first zero byte separates the two texts.
    const auto *bytes = reinterpret_cast<const char *>(data);
    const size_t split = std::find(bytes, bytes + size, '\0') - bytes;
    const QString nText = QString::fromUtf8(bytes, qsizetype(split));
    const QString kText = split < size ? QString::fromUtf8(bytes + split + 1, qsizetype(size - split - 1))
                                       : QString();

    QStringList messages;
    platform::setAnswerer([&](const platform::Message &message) {
        messages << message.text;
        return platform::Answer::Ok;
    });
    ui::of(form).txtN->setText(nText);
    ui::of(form).txtk->setText(kText);
    form.analysis().readAnalysisInput();
    platform::setAnswerer({});

    const int n = form.selection().n;
    const int k = form.selection().k;
    check(n >= 2 && n <= 200);
    check(k >= 1 && k <= n - 1);
    check(std::gcd(n, k) == 1);
    check(ui::of(form).HScroll1->value() == n && ui::of(form).HScroll2->value() == k);
    check(analysis::readNumber(ui::of(form).txtN->text()) == n);
    check(analysis::readNumber(ui::of(form).txtk->text()) == k);

    // N as read, rounded and clamped; the divisor message, if any, names the
    // factor that took it down to the analysed N.
    const double read = analysis::roundHalfEven(analysis::readNumber(nText));
    const int clamped = int(std::min(200.0, std::max(2.0, read)));
    check(messages.size() <= 1);
    if (messages.isEmpty()) {
        check(n == clamped);
    } else {
        const QString prefix = QStringLiteral("Der gemeinsame Teiler ");
        check(messages[0].startsWith(prefix) && messages[0].endsWith(u" wird herausgekürzt"));
        const int g = messages[0].mid(prefix.size()).section(u' ', 0, 0).toInt();
        check(g > 1 && clamped % g == 0);
        check(n == std::max(2, clamped / g));
    }
    return 0;
}
