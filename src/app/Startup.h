#pragma once
// The program's start-up after the application object exists: the decimal
// separator, the platform services, the five windows, the main window shown.

namespace zamt {

void startProgram();

} // namespace zamt
