#pragma once
// The runtime's messages for failed file input and output, from errno.
#include <QString>

namespace zamt {

// "File not found", "Invalid filename", "Too many open files",
// "File access denied", otherwise "I/O error %d" with the code.
QString ioErrorMessage(int errnoValue);

} // namespace zamt
