// report_run_bench DIR LINES: the main window's "отчет" over a text view of
// LINES record lines, to a snapshot file DIR/report.rps, with the default
// report project; the set-up window is answered with file output and no
// status window is shown. The same text goes to DIR/report.txt for
// enscript. Prints the run's wall time and the process's peak memory.
#include "app/CreateForms.h"
#include "app/TForm1.h"
#include "look/WindowLook.h"
#include "platform/CodePage.h"
#include "report/system/RptSystemPlatform.h"
#include "report/system/TRptSystem.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <cstdio>
#include <sys/resource.h>

namespace {

// What the user would choose in the set-up window: a snapshot file.
class FileOutput : public zamt::RptSystemPlatform {
public:
    explicit FileOutput(QString file) : file_(std::move(file)) {}
    void setupWindow(zamt::TRptSystem& system, zamt::TOverrideMode mode, QObject*&) override {
        if (mode != zamt::TOverrideMode::omShow)
            return;
        system.ReportDest = zamt::TReportDest::rdFile;
        system.OutputFileName = file_;
        system.DoNativeOutput = false;
    }

private:
    QString file_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: report_run_bench DIR LINES\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const int lines = std::atoi(argv[2]);
    zamt::installWindowLook();
    zamt::installRptSystemPlatform(std::make_unique<FileOutput>(dir.filePath("report.rps")));
    QDir::setCurrent(dir.path()); // where Project1.rpj lies
    zamt::createForms();
    zamt::Form1->show();

    const QString line = QString::fromUtf8("число Рейнольдса минимальное Re_min = 6,27584E7; строка ");
    QString text;
    for (int i = 0; i < lines; ++i)
        text += line + QString::number(i) + QLatin1Char('\n');
    QFile plain(dir.filePath("report.txt"));
    plain.open(QIODevice::WriteOnly);
    plain.write(QByteArray::fromStdString(zamt::toCp1251(text)));
    plain.close();
    zamt::Form1->findChild<QPlainTextEdit*>(QStringLiteral("Memo"))->setPlainText(text);
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    zamt::Form1->btRunClick();
    const double seconds = timer.nsecsElapsed() / 1e9;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("zamt05 %d lines: %.2f s, %lld bytes, peak RSS %ld MiB\n", lines, seconds,
                QFileInfo(dir.filePath("report.rps")).size(), usage.ru_maxrss / 1024);
    zamt::destroyForms();
    return 0;
}
