#pragma once
// The program from start to end, once the application object exists: the
// start-up, the event loop until the main window closes, the windows
// destroyed. An ending signal closes the main window as the user would;
// after the clean-up the program ends by that signal.
#include "app/CommandLine.h"

#include <QString>
#include <functional>

namespace zamt {

// `started` runs after the start-up, before the event loop (a test driver
// puts its services in). A `file` that is not empty is loaded into the text
// view once the event loop runs, as "создание отчета" and "файл" would; a
// file that cannot be read shows their message and the program goes on.
// Returns the event loop's exit status.
int runProgram(const std::function<void()>& started = {}, const QString& file = {});

// --print without windows (PrintWithoutWindows.h), with the same ending.
int runPrintRequest(const PrintRequest& request);

} // namespace zamt
