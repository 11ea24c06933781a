#include "platform/FileFailure.h"
#include "support/SystemDifferences.h"

#include <cerrno>

namespace zamt::test {

QString reasonFor(Refusal refusal) {
    return systemErrorText(refusal == Refusal::IsAFolder ? EISDIR : ENOENT);
}

const char* temporaryFolderVariable() { return "TMPDIR"; }

bool canRunHostTools() { return true; }

} // namespace zamt::test
