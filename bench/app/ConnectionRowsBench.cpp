// A report run over the main window's text view: open, get columns, then
// first and next until the end, as a data view walks the rows. The text is
// loaded anew before every run, so each run builds the line index once, as
// a run after "файл" does. Complexity is reported over 100,000 and 200,000
// lines; "one_line_count_ms" is what counting the lines once costs, which
// a handler counting afresh for every row would pay n times.
#include "app/CreateForms.h"
#include "app/DisplayedLines.h"
#include "app/TForm1.h"
#include "report/connection/RptDataViewCursor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>

namespace {

QString recordLines(int count, int repeat) {
    // A passport record line, "число Рейнольдса ..."; `repeat` copies make
    // it wider than the view.
    const QString line =
        QString::fromUtf8("число Рейнольдса Re_min = 6,27584E7; ").repeated(repeat);
    QString text;
    text.reserve(count * (line.size() + 8));
    for (int i = 0; i < count; ++i)
        text += line + QString::number(i) + QLatin1Char('\n');
    return text;
}

void runOverLines(benchmark::State& state, int repeat) {
    const int lines = static_cast<int>(state.range(0));
    const QString text = recordLines(lines, repeat);
    zamt::createForms();
    zamt::Form1->show();
    auto* memo = zamt::Form1->findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
    int64_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        memo->setPlainText(text);
        QApplication::processEvents();
        state.ResumeTiming();
        zamt::RptDataViewCursor view("RptCustomConnection1",
                                     {{"StrField", zamt::TRptDataType::dtString}});
        view.open();
        for (bool row = view.first(); row; row = view.next())
            ++rows;
        view.restore();
    }
    state.SetComplexityN(lines);
    state.counters["rows_per_run"] =
        benchmark::Counter(static_cast<double>(rows) / static_cast<double>(state.iterations()));

    zamt::DisplayedLines count(memo->document());
    QElapsedTimer timer;
    timer.start();
    count.update(memo->viewport()->width());
    state.counters["one_line_count_ms"] = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    zamt::destroyForms();
}

void BM_RunOverShortLines(benchmark::State& state) {
    runOverLines(state, 1);
}
void BM_RunOverWrappedLines(benchmark::State& state) {
    runOverLines(state, 3);
}

BENCHMARK(BM_RunOverShortLines)
    ->Arg(100000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_RunOverWrappedLines)
    ->Arg(100000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Complexity(benchmark::oN);

} // namespace
