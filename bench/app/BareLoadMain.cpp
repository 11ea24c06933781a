// The yardstick for "файл": a bare Qt main window with a plain text view
// that reads the same file, decodes it from Windows-1251 and shows it.
// Prints the milliseconds and the process's peak memory in MiB.
//   bare_load FILE
#include "../common/PeakMemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QMainWindow window;
    auto* view = new QPlainTextEdit(&window);
    window.setCentralWidget(view);
    window.resize(353, 305);
    window.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QStringDecoder decoder("Windows-1251");
    view->setPlainText(decoder(file.readAll()));
    QApplication::processEvents();
    std::printf("%.1f %ld\n", timer.nsecsElapsed() / 1e6, zamt::bench::peakMemoryMiB());
    return 0;
}
