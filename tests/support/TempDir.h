#pragma once
// A fresh temporary folder for one test, removed with everything in it.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace zamt::test {

class TempDir {
public:
    TempDir();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    QString write(const QString& name, const QByteArray& contents) const;

private:
    QTemporaryDir dir_;
};

QByteArray readFile(const QString& path);
// The source tree, for tests that read committed files.
QString sourceDir();

} // namespace zamt::test
