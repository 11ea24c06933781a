#include "report/windows/CupsQueue.h"

#include <QPrinterInfo>

// Windows prints through its own printers, not CUPS: what the program asks
// of a queue, the Windows printer of that name answers through Qt.
namespace zamt {

namespace {
constexpr int kMaxCopies = 9999; // as Windows' print dialog allows
}

CupsQueueInfo cupsQueueInfo(const QString& queue) {
    CupsQueueInfo info;
    if (queue.isEmpty() || QPrinterInfo::printerInfo(queue).isNull())
        return info;
    info.found = true;
    info.maxCopies = kMaxCopies;
    return info;
}

} // namespace zamt
