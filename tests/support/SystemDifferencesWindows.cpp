#include "platform/FileFailure.h"
#include "support/SystemDifferences.h"

#include <windows.h>

namespace zamt::test {

QString reasonFor(Refusal refusal) {
    switch (refusal) {
    case Refusal::NoSuchFile:
        return systemErrorText(ERROR_FILE_NOT_FOUND);
    case Refusal::NoSuchFolder:
        return systemErrorText(ERROR_PATH_NOT_FOUND);
    case Refusal::IsAFolder:
        break;
    }
    return systemErrorText(ERROR_ACCESS_DENIED);
}

// GetTempPath reads TMP first.
const char* temporaryFolderVariable() { return "TMP"; }

bool canRunHostTools() { return false; }

} // namespace zamt::test
