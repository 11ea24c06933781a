#include "platform/InstanceTempFolder.h"

#include <QDir>
#include <QFileInfo>

namespace zamt {

// Windows names the user's temporary folder (TMP, TEMP, then the user's
// profile), and Qt asks it each time.
InstanceTempFolder temporaryFolder() {
    const QString folder = QDir::tempPath();
    const QFileInfo info(folder);
    if (info.isDir() && info.isWritable())
        return {folder, {}};
    return {folder, QStringLiteral("it is not a folder that can be written in")};
}

void settleTemporaryFolder() {}

} // namespace zamt
