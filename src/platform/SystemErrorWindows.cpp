#include "platform/FileFailure.h"
#include "platform/SystemError.h"

#include <windows.h>

namespace zamt {

int lastSystemError() { return static_cast<int>(GetLastError()); }
void setLastSystemError(int code) { SetLastError(static_cast<DWORD>(code)); }

const int kErrorNotFound = ERROR_FILE_NOT_FOUND;
const int kErrorAccess = ERROR_ACCESS_DENIED;
const int kErrorBadFile = ERROR_INVALID_HANDLE;
const int kErrorNoSpace = ERROR_DISK_FULL;
const int kErrorInterrupted = -1;
const int kErrorIsAFolder = 336; // ERROR_DIRECTORY_NOT_SUPPORTED, which mingw's headers lack

namespace {

QString formatMessage(int error, DWORD language) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(error), language, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString message = length > 0 ? QString::fromWCharArray(text, length).trimmed() : QString();
    LocalFree(text);
    return message;
}

} // namespace

// The system's own text, in English where the system has it, as the
// program's other messages of files are; without the full stop Windows ends
// it with, as the messages add their own.
QString systemErrorText(int error) {
    QString message = formatMessage(error, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (message.isEmpty())
        message = formatMessage(error, 0);
    if (message.isEmpty())
        return QStringLiteral("System error %1").arg(error);
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    return message;
}

// The reasons Qt's file classes give come from the system in the user's
// language; the system's language of the whole thread (dialogs too) is not
// the program's to change.
void keepSystemReasonsInEnglish() {}

} // namespace zamt
