// Preview figures on a 10,000-page report of passport-like pages at 100 %:
// showing its first, middle and last page in a fresh window and in one
// that has shown pages before, and Zoom In and Out on a page full of text.
// Each figure runs from the request to the page painted on the window.
//   bench_preview [--benchmark_filter=...]
#include "common/PassportReport.h"
#include "report/preview/TRptPreviewForm.h"
#include "report/preview/TRptScrollBox.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using zamt::RptPreviewSettings;
using zamt::TRptPreviewForm;

constexpr int Pages = 10000;

QTemporaryDir& tempDir() {
    static QTemporaryDir dir;
    return dir;
}

QString streamPath() {
    return tempDir().filePath("report.rps");
}

int pageOf(const benchmark::State& state) {
    switch (state.range(0)) {
    case 0:
        return 1;
    case 1:
        return Pages / 2;
    default:
        return Pages;
    }
}

// The window as a report run leaves it: the run's margin and shadow.
std::unique_ptr<TRptPreviewForm> openWindow() {
    auto form = std::make_unique<TRptPreviewForm>();
    RptPreviewSettings run = form->RenderPreview().settings();
    run.MarginPercent = 2.5;
    run.setShadowDepth(5);
    form->RenderPreview().setSettings(run);
    form->setInputFileName(streamPath());
    form->startPreview();
    form->show();
    QApplication::processEvents();
    return form;
}

// Draws the page and paints it on the window, as the next frame would.
void showAndPaint(TRptPreviewForm& form, int page) {
    form.RenderPreview().showPage(page);
    form.findChild<zamt::TRptScrollBox*>()->viewport()->repaint();
}

// A fresh window each time; only the page request and its painting are
// timed (the window's construction is reported by BM_OpenWindow).
void BM_ShowPageFreshWindow(benchmark::State& state) {
    const int page = pageOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = openWindow();
        state.ResumeTiming();
        showAndPaint(*form, page);
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// A window that has been to the first and the last page before.
void BM_ShowPageWarmWindow(benchmark::State& state) {
    const int page = pageOf(state);
    auto form = openWindow();
    showAndPaint(*form, Pages);
    showAndPaint(*form, 1);
    const int other = page == 1 ? 2 : page - 1;
    for (auto _ : state) {
        state.PauseTiming();
        showAndPaint(*form, other); // so that the request is not for the page shown
        state.ResumeTiming();
        showAndPaint(*form, page);
    }
}

// Creating the window, opening the stream and showing page 1.
void BM_OpenWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto form = openWindow();
        form->findChild<zamt::TRptScrollBox*>()->viewport()->repaint();
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Zoom In and Zoom Out in turn between 100 and 110 % on a full page of
// text; the time is per redraw.
void BM_ZoomInOut(benchmark::State& state) {
    auto form = openWindow();
    auto* box = form->findChild<zamt::TRptScrollBox*>();
    bool in = true;
    for (auto _ : state) {
        if (in)
            form->actnZoom_InExecute();
        else
            form->actnZoom_OutExecute();
        box->viewport()->repaint();
        in = !in;
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_ShowPageFreshWindow)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowPageWarmWindow)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomInOut)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        QFile file(streamPath());
        file.open(QIODevice::WriteOnly);
        zamt::TRptStreamWriter writer(&file);
        zamt::bench::writePassportReport(writer, Pages);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
