#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

namespace zamt::test {

TempDir::TempDir() { EXPECT_TRUE(dir_.isValid()); }

QString TempDir::write(const QString& name, const QByteArray& contents) const {
    const QString path = file(name);
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly)) << path.toStdString();
    out.write(contents);
    return path;
}

QByteArray readFile(const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

QString sourceDir() { return QStringLiteral(ZAMT_SOURCE_DIR); }

} // namespace zamt::test
