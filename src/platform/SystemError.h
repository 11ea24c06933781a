#pragma once
// The code with which a system call failed, as the system gives it: errno
// on POSIX systems, the Windows error code (GetLastError) on Windows. The
// file services report these codes; FileFailure.h and IoErrors.h turn them
// into text.

namespace zamt {

int lastSystemError();
void setLastSystemError(int code);

// The codes the file services report on their own account.
extern const int kErrorNotFound;    // no such file
extern const int kErrorAccess;      // access denied
extern const int kErrorBadFile;     // no open file to work on
extern const int kErrorNoSpace;     // the disk is full
extern const int kErrorInterrupted; // a call to be made again (never on Windows)
extern const int kErrorIsAFolder;   // a folder opened as a file to read

} // namespace zamt
