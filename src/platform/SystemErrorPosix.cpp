#include "platform/SystemError.h"

#include <cerrno>

namespace zamt {

int lastSystemError() { return errno; }
void setLastSystemError(int code) { errno = code; }

const int kErrorNotFound = ENOENT;
const int kErrorAccess = EACCES;
const int kErrorBadFile = EBADF;
const int kErrorNoSpace = ENOSPC;
const int kErrorInterrupted = EINTR;

} // namespace zamt
