#pragma once
// The program's start-up after the application object exists: the window
// look, the decimal separator, the platform services, the report windows
// and output formats, the five windows, the main window shown.

namespace zamt {

void startProgram();
// The services and the report's output without any window: what a run
// without windows needs of the start-up.
void prepareServices();

} // namespace zamt
