// Page stream figures: writing 10,000 pages of 60 text lines against a plain
// buffered file write of the same bytes, replaying the whole stream, random
// page requests, and painting one page into a 96-ppi image at 100%. After
// the table, the stream write's speed against the plain write's.
//   bench_stream [--benchmark_filter=...] [--benchmark_repetitions=N]
#include "WriteRatioReporter.h"
#include "common/PassportReport.h"
#include "report/stream/RptPaintPage.h"
#include "report/stream/RptTransform.h"
#include "report/stream/StreamBytes.h"
#include "report/stream/TRptRender.h"
#include "report/stream/TRptRenderCanvas.h"
#include "report/stream/TRptStreamReader.h"
#include "report/stream/TRptStreamWriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using zamt::TRptStreamWriter;

constexpr int Pages = 10000;
using zamt::bench::LinesPerPage;

QTemporaryDir& tempDir() {
    static QTemporaryDir dir;
    return dir;
}

QString streamPath() {
    return tempDir().filePath("report.rps");
}

void writeReport(TRptStreamWriter& w) {
    zamt::bench::writePassportReport(w, Pages);
}

// Records in the stream: per page the page record, the state, the heading
// with bold set and cleared, two per line and the end of the page.
constexpr qint64 RecordsPerPage = 1 + 23 + 3 + 2 * LinesPerPage + 1;

void BM_WriteStream(benchmark::State& state) {
    qint64 bytes = 0;
    for (auto _ : state) {
        QFile file(streamPath());
        file.open(QIODevice::ReadWrite | QIODevice::Truncate);
        TRptStreamWriter writer(&file);
        writeReport(writer);
        file.close();
        bytes = QFile(streamPath()).size();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["stream_MB"] = double(bytes) / 1e6;
}

// The stream's own bytes through stdio's buffered writes: one piece per
// record of the stream, of the mean record size, into a buffer of the
// writer's, so that the device gets as many bytes in as large pieces.
void BM_PlainBufferedWrite(benchmark::State& state) {
    QFile stream(streamPath());
    stream.open(QIODevice::ReadOnly);
    const QByteArray bytes = stream.readAll();
    const size_t pieces = size_t(Pages * RecordsPerPage);
    const size_t piece = size_t(bytes.size()) / pieces;
    const size_t longer = size_t(bytes.size()) % pieces; // pieces one byte longer
    const QByteArray path = tempDir().filePath("plain.bin").toLocal8Bit();
    std::vector<char> buffer(size_t(zamt::RptByteSink::BufferSize));
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.constData(), "wb");
        std::setvbuf(file, buffer.data(), _IOFBF, buffer.size());
        const char* at = bytes.constData();
        for (size_t i = 0; i < longer; ++i, at += piece + 1)
            std::fwrite(at, 1, piece + 1, file);
        for (size_t i = longer; i < pieces; ++i, at += piece)
            std::fwrite(at, 1, piece, file);
        std::fclose(file);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Replays the whole stream of the file, drawing nothing.
void replayFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    zamt::TRptStreamReader reader(&file);
    zamt::TRptRender discard;
    reader.replayAll(discard);
}

void BM_ReplayWholeStream(benchmark::State& state) {
    for (auto _ : state)
        replayFile(streamPath());
    state.SetItemsProcessed(state.iterations() * Pages);
}

// 1,000 requests for random pages on one reader; the 99th percentile and
// the slowest request are reported too (on a busy machine the slowest one
// mostly measures the scheduler). The reader has been to the last page
// once, so it knows where every 16th page lies; a request walks at most 8
// links.
void BM_RandomPageRequests(benchmark::State& state) {
    QFile file(streamPath());
    file.open(QIODevice::ReadOnly);
    zamt::TRptStreamReader reader(&file);
    zamt::TRptRender discard;
    reader.replayPage(Pages, discard);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> page(1, Pages);
    std::vector<double> took;
    for (auto _ : state) {
        for (int request = 0; request < 1000; ++request) {
            const auto start = std::chrono::steady_clock::now();
            reader.replayPage(page(random), discard);
            took.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(took.begin(), took.end());
    state.SetItemsProcessed(state.iterations() * 1000);
    state.counters["p99_ms"] = took[took.size() * 99 / 100];
    state.counters["slowest_ms"] = took.back();
}

// A new reader's first request for the last page: the whole chain is walked.
void BM_FirstRequestForTheLastPage(benchmark::State& state) {
    QFile file(streamPath());
    file.open(QIODevice::ReadOnly);
    zamt::TRptRender discard;
    for (auto _ : state) {
        zamt::TRptStreamReader reader(&file);
        reader.replayPage(Pages, discard);
    }
}

void BM_PaintPage(benchmark::State& state) {
    QFile file(streamPath());
    file.open(QIODevice::ReadOnly);
    zamt::TRptStreamReader reader(&file);
    QImage image(816, 1056, QImage::Format_RGB32); // 8.5 x 11 inches at 96 ppi
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        zamt::TRptRenderCanvas canvas(painter, zamt::RptTransform::preview(96, 100));
        zamt::rptPaintPage(reader, Pages / 2, canvas);
    }
}

// One page drawing a 1 MiB bitmap once and reusing it 200,000 times (a
// 4.4 MB stream): replayed whole, the picture must be read only once.
QString reusedPicturePath() {
    static const QString path = [] {
        zamt::test::StreamBytes s;
        s.b(90).i16(2017).s("").i16(1).i16(1).i16(9999).f(8.5f).f(11).f(0).f(0).f(0).f(0).b(0);
        s.i16(265).b(0).b(0).i16(1).i16(1).i16(0).i16(0).s("");
        s.b(80).i32(0).i32(0).i16(1).f(8.5f).f(11);
        const qsizetype data = s.pos() + 2;
        s.b(5).b(1).i32(1 << 20).raw(std::string(1 << 20, 'p')).f(1).f(1);
        for (int i = 1; i < 200000; ++i)
            s.b(5).b(0x81).i32(data).f(1).f(1);
        s.b(82);
        const QString name = tempDir().filePath("reused.rps");
        QFile file(name);
        file.open(QIODevice::WriteOnly);
        file.write(s.bytes);
        return name;
    }();
    return path;
}

void BM_ReplayReusedPicture(benchmark::State& state) {
    for (auto _ : state)
        replayFile(reusedPicturePath());
    state.SetItemsProcessed(state.iterations() * 200000);
}

} // namespace

BENCHMARK(BM_ReplayReusedPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteStream)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_PlainBufferedWrite)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_ReplayWholeStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomPageRequests)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstRequestForTheLastPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintPage)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Fonts need a GUI application; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    {
        // The stream the reading benchmarks use, also when only they run.
        QFile file(streamPath());
        file.open(QIODevice::WriteOnly);
        TRptStreamWriter writer(&file);
        writeReport(writer);
    }
    benchmark::Initialize(&argc, argv);
    zamt::bench::WriteRatioReporter reporter("BM_WriteStream", "BM_PlainBufferedWrite");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
