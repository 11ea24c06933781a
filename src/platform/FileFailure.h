#pragma once
// The one form in which every failure to open, create or write a file the
// user named is told: the file's absolute path and the system's reason, e.g.
//   Cannot open file "/home/a/data07.txt". No such file or directory
//   Cannot create file "/home/a/report.pdf". Permission denied
//   Cannot write file "/home/a/report.pdf". No space left on device
#include <QString>

namespace zamt {

enum class FileStep { Open, Create, Write };

// Passes the message's form through a translation before the path and the
// reason go in (the report windows' hook); null: as it is.
using TextHook = QString (*)(const QString&);

QString fileFailureMessage(FileStep step, const QString& path, const QString& reason,
                           TextHook translate = nullptr);
QString fileFailureMessage(FileStep step, const QString& path, int error,
                           TextHook translate = nullptr);

// The system's text for errno `error`, e.g. "Permission denied", in
// English whatever the locale: the messages it goes into are English.
QString systemErrorText(int error);
// The same for the reasons that the system gives through other libraries
// (Qt's files): after the application object has read the user's locale.
void keepSystemReasonsInEnglish();

} // namespace zamt
