#pragma once
// --print: the report of each file into a file or onto a printer, with no
// window at all: the report run alone, over a data connection that serves
// the file's rows (ReportRows.h). Each error is one line on the error
// output, with the text its message box would show; a file that fails does
// not stop the others.
#include "app/CommandLine.h"

#include <functional>

namespace zamt {

// Before the application object: Qt's own warnings and notes (about the
// runtime folder, fonts) stay off the error output, which keeps to the
// program's lines and Qt's critical messages.
void quietenQtWarnings();

// After the application object exists. `ending` tells that the program was
// asked to end: no further file is begun. Returns 0 when every file was
// printed, kRefusedStatus when the request itself is refused (nothing is
// done), else 1.
int printWithoutWindows(const PrintRequest& request, const std::function<bool()>& ending);

} // namespace zamt
