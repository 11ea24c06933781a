// rpsdump FILE: lists a report snapshot file (a page stream), the header and
// then every record of every page.
// rpsdump --pdf OUT.pdf FILE: converts the snapshot file into a PDF document.
#include "RptDump.h"
#include "platform/AppError.h"
#include "report/pdf/TRptRenderPDF.h"

#include <QFile>
#include <QGuiApplication>
#include <cstring>
#include <iostream>
#include <memory>

namespace {

int usage() {
    std::cerr << "usage: rpsdump FILE\n       rpsdump --pdf OUT.pdf FILE\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const bool pdf = argc == 4 && std::strcmp(argv[1], "--pdf") == 0;
    if (argc != 2 && !pdf)
        return usage();
    // Fonts for the PDF need a GUI application; it needs no display.
    if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        pdf ? std::make_unique<QGuiApplication>(argc, argv)
            : std::make_unique<QCoreApplication>(argc, argv);
    const char* input = argv[argc - 1];
    QFile file(QString::fromLocal8Bit(input));
    if (!file.open(QIODevice::ReadOnly)) {
        std::cerr << "rpsdump: " << input << ": " << file.errorString().toStdString() << '\n';
        return 1;
    }
    try {
        if (pdf)
            zamt::TRptRenderPDF().convert(file, QString::fromLocal8Bit(argv[2]));
        else
            zamt::dumpReportStream(&file, std::cout);
    } catch (const zamt::AppError& error) {
        std::cout.flush();
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
