#include "support/SystemDifferences.h"

#include <QDir>

namespace zamt::test {

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

const char* const kNoHostTools =
    "the Linux PDF tools cannot be waited for from a Windows program under Wine; "
    "the end-to-end checks read the Windows program's PDF with them";

} // namespace zamt::test
