#include "support/Mounts.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace zamt::test {

TmpfsMount::TmpfsMount(qint64 bytes, Mode mode) {
    const QByteArray target = QFile::encodeName(dir_.path());
    const QByteArray options = "size=" + QByteArray::number(bytes);
    const unsigned long flags = mode == Mode::ReadOnly ? MS_RDONLY : 0;
    if (::mount("tmpfs", target.constData(), "tmpfs", flags, options.constData()) == 0)
        mounted_ = true;
    else
        why_ = QStringLiteral("cannot mount a tmpfs (needs root): %1")
                   .arg(QString::fromLocal8Bit(std::strerror(errno)));
}

TmpfsMount::~TmpfsMount() {
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

void TmpfsMount::fill() {
    const QByteArray name = QFile::encodeName(dir_.file(QStringLiteral("filler")));
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    static const char block[4096] = {};
    while (::write(fd, block, sizeof block) > 0) {
    }
    ::close(fd);
}

} // namespace zamt::test
