// rpsdump FILE: lists a report snapshot file (a page stream), the header and
// then every record of every page.
#include "RptDump.h"
#include "platform/AppError.h"

#include <QCoreApplication>
#include <QFile>
#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: rpsdump FILE\n";
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::cerr << "rpsdump: " << argv[1] << ": " << file.errorString().toStdString() << '\n';
        return 1;
    }
    try {
        zamt::dumpReportStream(&file, std::cout);
    } catch (const zamt::AppError& error) {
        std::cout.flush();
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
