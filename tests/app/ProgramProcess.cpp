#include "ProgramProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <csignal>

namespace zamt::test {

QProcessEnvironment environmentWithoutADisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    return environment;
}

ProgramProcess::ProgramProcess(const TempDir& folder, const QString& temp,
                               const QStringList& arguments) {
    QFile::copy(sourceDir() + "/resources/Project1.rpj", folder.file("Project1.rpj"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", temp);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(folder.path());
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(ZAMT_PROGRAM_DRIVER, arguments);
}

ProgramProcess::~ProgramProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
}

std::optional<QString> ProgramProcess::waitFor(const QString& word, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        while (process_.canReadLine()) {
            const QString line = QString::fromUtf8(process_.readLine()).trimmed();
            said_ << line;
            if (line.startsWith(word + ' '))
                return line.mid(word.size() + 1);
            if (line == "finished")
                return std::nullopt;
        }
        if (timer.elapsed() > timeoutMs || process_.state() == QProcess::NotRunning)
            return std::nullopt;
        process_.waitForReadyRead(100);
    }
}

bool ProgramProcess::endBy(int signal) {
    ::kill(pid_t(process_.processId()), signal);
    return process_.waitForFinished(1000);
}

} // namespace zamt::test
