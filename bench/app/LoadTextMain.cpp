// "файл" with a text file, through the shown main window as a user loads
// it: from the press until the text view has been shown with the text.
// Prints the milliseconds and the process's peak memory in MiB; timed
// against BareLoadMain by load_text.sh.
//   load_text FILE
#include "../common/PeakMemory.h"
#include "app/CreateForms.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

// The open dialog answers with the file at once.
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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: load_text FILE\n");
        return 2;
    }
    zamt::startProgram();
    zamt::installDialogs(std::make_unique<FixedFileDialogs>(QString::fromLocal8Bit(argv[1])));
    zamt::Form1->thten1Click(); // the text view, as "создание отчета" shows it
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    zamt::Form1->Button1Click();
    QApplication::processEvents();
    std::printf("%.1f %ld\n", timer.nsecsElapsed() / 1e6, zamt::bench::peakMemoryMiB());
    zamt::destroyForms();
    return 0;
}
