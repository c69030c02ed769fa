// One whole analysis at N = 200 in the offscreen window (input, 199 steps,
// the five boxes, the drawing, and the views catching up as they do when
// control returns to the event loop), fresh and after a thousand earlier
// ones; and one event of the N scroll bar at N = 200.

#include "app/application.h"
#include "app/form1.h"
#include "platform/messagebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<Form1> shownWindow()
{
    platform::setAnswerer([](const platform::Message &) { return platform::Answer::Ok; });
    auto form = startZyklar();
    form->show();
    QCoreApplication::processEvents();
    return form;
}

void analysisAt200(benchmark::State &state)
{
    const auto form = shownWindow();
    form->txtN->setText(QStringLiteral("200"));
    form->txtk->setText(QStringLiteral("77"));
    for (int earlier = 0; earlier < state.range(0); ++earlier)
        form->Command2_Click();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        form->Command2_Click();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = double(form->txtSumme->text().count(u'\n'));
}

void nScrollEventAt200(benchmark::State &state)
{
    const auto form = shownWindow();
    int value = 199;
    for (auto _ : state) {
        form->HScroll1->setValue(value); // alternating 199 and 200
        value = value == 199 ? 200 : 199;
        QCoreApplication::processEvents();
    }
}

} // namespace

BENCHMARK(analysisAt200)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(nScrollEventAt200)->Unit(benchmark::kMillisecond);
