#include "report/stream/RptThrottle.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace zamt {

qint64 RptThrottle::monotonicMilliseconds() {
    return QDeadlineTimer::current(Qt::PreciseTimer).deadline();
}

bool RptThrottle::due() {
    const qint64 now = clock_();
    if (started_ && now - last_ < interval_)
        return false;
    started_ = true;
    last_ = now;
    return true;
}

void RptEventPump::pump() {
    if (QCoreApplication::instance() && throttle_.due())
        QCoreApplication::processEvents();
}

} // namespace zamt
