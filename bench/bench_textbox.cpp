// The cost of appending one 600-character row to a text box must not depend
// on how many rows the box already holds: the collecting boxes grow by a row
// with every analysis.

#include "platform/textbox.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace {

const QString row = QString(598, u'7') + QStringLiteral("\r\n");

void appendRow(benchmark::State &state)
{
    platform::TextBox box({true, platform::TextBox::ScrollBars::Both});
    box.setText(row.repeated(int(state.range(0))));
    box.syncView();
    for (auto _ : state) {
        box.append(row);
        box.syncView(); // the editor catches up, as it does once per handler
    }
    state.counters["rows"] = double(state.range(0));
}

} // namespace

BENCHMARK(appendRow)->Arg(1)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
