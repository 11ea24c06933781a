#include "platform/FileFailure.h"
#include "platform/SystemError.h"

#include <cerrno>
#include <clocale>
#include <cstring>
#include <locale.h>

namespace zamt {

int lastSystemError() { return errno; }
void setLastSystemError(int code) { errno = code; }

const int kErrorNotFound = ENOENT;
const int kErrorAccess = EACCES;
const int kErrorBadFile = EBADF;
const int kErrorNoSpace = ENOSPC;
const int kErrorInterrupted = EINTR;
const int kErrorIsAFolder = EISDIR;

QString systemErrorText(int error) {
    // In English whatever the user's locale, as are the messages around it.
    static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t(0));
    if (!english)
        return QStringLiteral("Error %1").arg(error);
    return QString::fromLocal8Bit(::strerror_l(error, english));
}

void keepSystemReasonsInEnglish() {
    // The reasons Qt's file classes give come from the system's messages.
    std::setlocale(LC_MESSAGES, "C");
}

} // namespace zamt
