// One whole analysis at N = 200 in the offscreen window (input, 199 steps,
// the five boxes, the drawing, and the views catching up as they do when
// control returns to the event loop), fresh and after a thousand earlier
// ones (counter vs_repaint: its ratio to a full repaint of the window, in
// the same run); and one event of the N scroll bar at N = 200, with the
// windows beside the main one closed (0), the ranking open (1), and the
// ranking and "Drei Abstände" open (2). The counter vs_closed is the ratio
// to the closed ones measured in the same run; the goal is at most 1.5.
// And one picture of "Drei Abstände" at the last step of N = 100000, as
// the circle (0) and as the sunflower (1), against a full repaint of the
// main window (counter vs_repaint).

#include "formcontrols.h"
#include "app/application.h"
#include "gaps/gapcircle.h"
#include "gaps/threegapswindow.h"
#include "ranking/rankingwindow.h"
#include "app/form1.h"
#include "platform/messagebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

#include <QAction>
#include <QApplication>
#include <QPainter>

#include <chrono>

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

// A full repaint of the window, the floor an analysis is measured against.
double fullRepaint(Form1 &form)
{
    const auto start = std::chrono::steady_clock::now();
    constexpr int repaints = 50;
    for (int i = 0; i < repaints; ++i)
        form.repaint();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()
            / repaints;
}

void analysisAt200(benchmark::State &state)
{
    const auto form = shownWindow();
    ui::of(*form).txtN->setText(QStringLiteral("200"));
    ui::of(*form).txtk->setText(QStringLiteral("77"));
    for (int earlier = 0; earlier < state.range(0); ++earlier)
        form->Command2_Click();
    QCoreApplication::processEvents();
    const double repaint = fullRepaint(*form);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        form->Command2_Click();
        QCoreApplication::processEvents();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["rows"] = double(ui::of(*form).txtSumme->text().count(u'\n'));
    // Below 1: the analysis costs less than one full repaint of the window.
    state.counters["vs_repaint"] = total / double(state.iterations()) / repaint;
}

// Alternating N between 199 and 200, with the repaints that follow.
double scrollEvents(Form1 &form, int events)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < events; ++i) {
        ui::of(form).HScroll1->setValue(i % 2 ? 200 : 199);
        QCoreApplication::processEvents();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / events;
}

void nScrollEventAt200(benchmark::State &state)
{
    const auto form = shownWindow();
    const int open = int(state.range(0));
    double closed = 0;
    if (open > 0) {
        closed = scrollEvents(*form, 200);
        form->findChild<QAction *>("cmdRangliste")->trigger();
        if (open > 1)
            form->findChild<QAction *>("cmdDreiAbstaende")->trigger();
        QCoreApplication::processEvents();
    }
    int value = 199;
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ui::of(*form).HScroll1->setValue(value); // alternating 199 and 200
        value = value == 199 ? 200 : 199;
        QCoreApplication::processEvents();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (open > 0)
        state.counters["vs_closed"] = total / double(state.iterations()) / closed;
}

void gapsPictureAt100000(benchmark::State &state)
{
    const auto form = shownWindow();
    const double floor = fullRepaint(*form);
    ThreeGapsWindow gaps;
    gaps.resize(900, 680);
    gaps.show();
    gaps.showAnalysed(100000, 61803);
    gaps.setStep(99999);
    gaps.circle().setView(state.range(0) ? GapCircle::View::Sunflower : GapCircle::View::Circle);
    QImage image(gaps.circle().size(), QImage::Format_RGB32);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QPainter painter(&image);
        gaps.circle().paint(painter, image.size());
        painter.end();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["vs_repaint"] = total / double(state.iterations()) / floor;
}

} // namespace

BENCHMARK(gapsPictureAt100000)->ArgName("sunflower")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(analysisAt200)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(nScrollEventAt200)->ArgName("open")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
