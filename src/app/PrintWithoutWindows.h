#pragma once
// --print: the report of each file, as "отчет" prints it right after "файл"
// has loaded the file at start-up, into a file or onto a printer, with no
// window shown. The main window is laid out at its start-up size but never
// put on the screen, so the rows are the text view's displayed lines there.
// Each error is one line on the error output, with the text its message
// box would show; a file that fails does not stop the others.
#include "app/CommandLine.h"

#include <functional>

namespace zamt {

// After the application object exists. `ending` tells that the program was
// asked to end: no further file is begun. Returns 0 when every file was
// printed, kRefusedStatus when the request itself is refused (nothing is
// done), else 1.
// Before the application object: Qt's own warnings and notes (about the
// windows this run never shows, the runtime folder) stay off the error
// output, which keeps to the program's lines and Qt's critical messages.
void quietenQtWarnings();

int printWithoutWindows(const PrintRequest& request, const std::function<bool()>& ending);

} // namespace zamt
