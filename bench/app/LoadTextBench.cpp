// Loading a 10 MB text file into the main window's text view through the
// "файл" button, as a user would; reports the process's peak memory.
#include "app/CreateForms.h"
#include "app/TForm1.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

class FixedFileDialogs : public zamt::Dialogs {
public:
    explicit FixedFileDialogs(QString path) : path_(std::move(path)) {}
    std::optional<QString> openFile(QWidget*, const zamt::OpenFileRequest&) override {
        return path_;
    }
    std::optional<zamt::SaveFileAnswer> saveFile(QWidget*, const zamt::SaveFileRequest&) override {
        return std::nullopt;
    }
    bool printerSetup(QWidget*, QPrinter&) override { return false; }
    std::optional<QString> inputText(QWidget*, const zamt::InputTextRequest&) override {
        return std::nullopt;
    }

private:
    QString path_;
};

QString writeTenMegabytes(const QTemporaryDir& dir) {
    const QString path = dir.filePath("big.txt");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    // Record-like lines in Windows-1251 ("число Рейнольдса ...").
    const QByteArray line = "\xF7\xE8\xF1\xEB\xEE \xD0\xE5\xE9\xED\xEE\xEB\xFC\xE4\xF1\xE0 "
                            "Re_min = 6,27584E7; line of a passport record\r\n";
    while (file.size() < 10 * 1000 * 1000)
        file.write(line);
    return path;
}

void BM_LoadTenMegabyteFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeTenMegabytes(dir);
    auto previous = zamt::installDialogs(std::make_unique<FixedFileDialogs>(path));
    zamt::createForms();
    for (auto _ : state) {
        zamt::Form1->Button1Click();
        QApplication::processEvents();
    }
    zamt::destroyForms();
    zamt::installDialogs(std::move(previous));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_LoadTenMegabyteFile)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
