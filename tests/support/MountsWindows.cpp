#include "support/Mounts.h"

// Windows has no tmpfs to mount: the tests of full disks and read-only
// folders skip, saying so.
namespace zamt::test {

TmpfsMount::TmpfsMount(qint64, Mode) {
    why_ = QStringLiteral("Windows has no tmpfs to mount for a full or read-only disk");
}

TmpfsMount::~TmpfsMount() = default;

void TmpfsMount::fill() {}

} // namespace zamt::test
