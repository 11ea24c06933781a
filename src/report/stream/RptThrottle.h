#pragma once
// Lets an action through at most once per interval: the first time at once,
// later only when the interval has passed since it was last let through.
// What a person watches (a status label) or what costs a trip to the window
// system (handling pending events) need not happen at every page.
#include <QtGlobal>
#include <functional>

namespace zamt {

class RptThrottle {
public:
    // Milliseconds of a monotonic clock.
    using Clock = std::function<qint64()>;
    static qint64 monotonicMilliseconds();

    explicit RptThrottle(qint64 intervalMs, Clock clock = monotonicMilliseconds)
        : interval_(intervalMs), clock_(std::move(clock)) {}

    // True when the action is due now; it then counts as done.
    bool due();

private:
    qint64 interval_;
    Clock clock_;
    bool started_ = false;
    qint64 last_ = 0;
};

} // namespace zamt
