// rpjmake default FILE      writes the program's default report project
// rpjmake pack XML FILE     frames a project text as a project file, after
//                           reading it as the program will
#include "DefaultProject.h"
#include "platform/AppError.h"
#include "platform/FileReplacement.h"
#include "report/project/RptProjectFile.h"
#include "report/project/RptProjectHeader.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <iostream>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw zamt::AppError(path + QStringLiteral(": ") + file.errorString());
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    zamt::FileReplacement file(path);
    if (!file.open())
        throw zamt::AppError(file.errorMessage());
    file.device()->write(bytes);
    if (!file.commit())
        throw zamt::AppError(file.errorMessage());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.size() == 2 && args[0] == QLatin1String("default")) {
            writeAll(args[1], zamt::rptWriteProject(zamt::rptDefaultProject()));
            return 0;
        }
        if (args.size() == 3 && args[0] == QLatin1String("pack")) {
            const QByteArray file = zamt::rptFrameProjectText(readAll(args[1]));
            zamt::rptReadProject(file);
            writeAll(args[2], file);
            return 0;
        }
    } catch (const zamt::AppError& error) {
        std::cerr << "rpjmake: " << error.what() << '\n';
        return 1;
    }
    std::cerr << "usage: rpjmake default FILE | rpjmake pack XML FILE\n";
    return 2;
}
