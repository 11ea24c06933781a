// pdf_bench DIR: writes a 1,000-page snapshot of 60 text lines a page into
// DIR/report.rps and the same lines into DIR/report.txt (form feeds between
// pages), converts the snapshot into DIR/report.pdf and prints the time and
// the size. pdf.sh runs it beside enscript | ps2pdf on the text.
#include "report/pdf/TRptRenderPDF.h"
#include "report/stream/TRptStreamWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pdf_bench DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QFile stream(dir.filePath("report.rps"));
    QFile text(dir.filePath("report.txt"));
    if (!stream.open(QIODevice::ReadWrite | QIODevice::Truncate) ||
        !text.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    {
        zamt::TRptStreamWriter writer(&stream);
        writer.setFontName("DejaVu Sans Mono");
        writer.setFontSize(10);
        writer.beginJob();
        for (int page = 1; page <= 1000; ++page) {
            writer.beginPage();
            for (int line = 1; line <= 60; ++line) {
                const std::string row = "page " + std::to_string(page) + " line " +
                                        std::to_string(line) + ": inner diameter 1000.125 mm";
                writer.text(0.75, 0.75 + line * 0.16, row);
                text.write(row.c_str());
                text.write("\n");
            }
            writer.endPage();
            text.write("\f");
        }
        writer.endJob();
    }
    text.close();
    stream.seek(0);
    QElapsedTimer timer;
    timer.start();
    zamt::TRptRenderPDF().convert(stream, dir.filePath("report.pdf"));
    std::printf("zamt05 PDF: %.2f s, %lld bytes\n", timer.nsecsElapsed() / 1e9,
                QFileInfo(dir.filePath("report.pdf")).size());
    return 0;
}
