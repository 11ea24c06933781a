#include "platform/FileFailure.h"
#include "platform/SystemError.h"
#include "support/SystemDifferences.h"

#include <QFont>
#include <windows.h>

namespace zamt::test {

QString reasonFor(Refusal refusal) {
    switch (refusal) {
    case Refusal::NoSuchFile:
        return systemErrorText(ERROR_FILE_NOT_FOUND);
    case Refusal::NoSuchFolder:
        return systemErrorText(ERROR_PATH_NOT_FOUND);
    case Refusal::FolderRead:
        return systemErrorText(kErrorIsAFolder); // the program's own choice
    case Refusal::FolderWritten:
        break;
    }
    return systemErrorText(ERROR_ACCESS_DENIED);
}

// GetTempPath reads TMP first.
const char* temporaryFolderVariable() { return "TMP"; }

bool canRunHostTools() { return false; }

bool runningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void useTheSystemsFontSubstitutes() {
    if (!runningUnderWine())
        return;
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

} // namespace zamt::test
