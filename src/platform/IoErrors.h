#pragma once
// The runtime's messages for failed file input and output, from the
// system's error code (errno; on Windows the Windows error code).
#include <QString>

namespace zamt {

// "File not found", "Invalid filename", "Too many open files",
// "File access denied", otherwise "I/O error %d" with the code.
QString ioErrorMessage(int systemError);

} // namespace zamt
