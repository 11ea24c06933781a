#include "platform/InstanceTempFolder.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace zamt {

InstanceTempFolder temporaryFolder() {
    const QString fallback = QStringLiteral("/tmp");
    const QString named = qEnvironmentVariable("TMPDIR");
    const auto usable = [](const QString& folder) {
        const QByteArray name = QFile::encodeName(folder);
        struct stat info {};
        return ::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
               ::access(name.constData(), W_OK | X_OK) == 0;
    };
    if (!named.isEmpty() && usable(named))
        return {QDir::cleanPath(named), {}};
    if (usable(fallback))
        return {fallback, {}};
    if (named.isEmpty() || QDir::cleanPath(named) == fallback)
        return {fallback, QStringLiteral("it is not a folder that can be written in")};
    return {named, QStringLiteral("it is not a folder that can be written in, nor is %1")
                       .arg(fallback)};
}

void settleTemporaryFolder() {
    const InstanceTempFolder folder = temporaryFolder();
    if (folder.error.isEmpty() && qEnvironmentVariable("TMPDIR") != folder.path)
        qputenv("TMPDIR", QFile::encodeName(folder.path));
}

} // namespace zamt
