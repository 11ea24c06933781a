#include "platform/FileFailure.h"
#include "support/SystemDifferences.h"

#include <cerrno>

namespace zamt::test {

QString reasonFor(Refusal refusal) {
    const bool missing = refusal == Refusal::NoSuchFile || refusal == Refusal::NoSuchFolder;
    return systemErrorText(missing ? ENOENT : EISDIR);
}

const char* temporaryFolderVariable() { return "TMPDIR"; }

bool canRunHostTools() { return true; }

bool runningUnderWine() { return false; }

// fontconfig has them already.
void useTheSystemsFontSubstitutes() {}

} // namespace zamt::test
