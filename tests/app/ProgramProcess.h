#pragma once
// The program driver as a process of its own, in a working folder with the
// report project and with a temporary folder of its own; what it says on
// stdout is read line by line.
#include "support/TempDir.h"

#include <QProcess>
#include <QStringList>
#include <optional>

namespace zamt::test {

// This process's environment with no display and no Qt platform named: the
// real program started as from a console without a window system.
QProcessEnvironment environmentWithoutADisplay();

class ProgramProcess {
public:
    ProgramProcess(const TempDir& folder, const QString& temp, const QStringList& arguments);
    ~ProgramProcess();

    // The rest of the first line that starts with `word`, or nullopt when
    // the program said "finished" or ended first, or the time ran out.
    std::optional<QString> waitFor(const QString& word, int timeoutMs = 60000);
    // Sends the signal; true when the process is gone within a second.
    bool endBy(int signal);
    QProcess& process() { return process_; }
    QString said() const { return said_.join(" | "); }
    const QStringList& lines() const { return said_; }

private:
    QProcess process_;
    QStringList said_;
};

} // namespace zamt::test
