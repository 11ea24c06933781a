#pragma once
// The program's arguments, read before any window exists: --help and
// --version need no display, and a bad option ends the program before the
// window system is reached.
#include <QString>
#include <QStringList>

namespace zamt {

// What --print asks for: the report of each file, into a file or onto a
// printer, without a window.
struct PrintRequest {
    QStringList files;
    // The output file, or a folder that gets one output per file.
    QString to;
    bool toPrinter = false;
    QString printer; // empty: the default printer
    QString project; // empty: Project1.rpj in the working folder
    QString format;  // "rps", "pdf" or "prn" as given; empty: by the extension of `to`
};

struct CommandLine {
    enum class Action {
        Start,  // start the windows (and load `file` when it is not empty)
        Print,  // `output` goes to stdout, status 0: --help, --version
        Refuse, // `output` goes to stderr, status kRefusedStatus
        PrintReports, // `print` is done without windows
    };
    Action action = Action::Start;
    QString output;
    // The text file to load into the text view at start-up, as given.
    QString file;
    // Said on stderr when the windows start anyway (files beyond the first).
    QString warning;
    PrintRequest print;
};

// The status of a program that refuses its arguments, as is usual for a bad
// command line.
inline constexpr int kRefusedStatus = 2;

// `arguments` as main() has them, the program's own name first. `version` is
// what --version prints after the program's name.
CommandLine parseCommandLine(const QStringList& arguments, const QString& version);

} // namespace zamt
