#pragma once
// The program's start-up after the application object exists: the window
// look, the decimal separator, the platform services, the report windows
// and output formats, the five windows, the main window shown.

namespace zamt {

void startProgram();
// The same without showing the main window, for a run without windows.
void prepareProgram();

} // namespace zamt
