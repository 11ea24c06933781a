#pragma once
// Writing a seed corpus: one file per seed in the folder named on the
// command line. Shared by the corpus generators.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <utility>
#include <vector>

namespace zamt::fuzz {

using Seeds = std::vector<std::pair<QString, QByteArray>>;

// Exit status of main: 0, or 1 when a file cannot be written.
inline int writeSeeds(const QDir& dir, const Seeds& seeds) {
    for (const auto& [name, bytes] : seeds) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}

} // namespace zamt::fuzz
