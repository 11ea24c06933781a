#pragma once
// Small file systems of their own for tests of full disks and read-only
// folders. Mounting needs root; without it `mounted()` is false and the
// test skips with the reason.
#include "support/TempDir.h"

#include <QString>

namespace zamt::test {

class TmpfsMount {
public:
    enum class Mode { Writable, ReadOnly };
    // A tmpfs of `bytes` at a fresh folder.
    explicit TmpfsMount(qint64 bytes, Mode mode = Mode::Writable);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return mounted_; }
    QString why() const { return why_; } // when not mounted
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.file(name); }
    // Writes zeros until the file system is full.
    void fill();

private:
    TempDir dir_;
    bool mounted_ = false;
    QString why_;
};

} // namespace zamt::test
