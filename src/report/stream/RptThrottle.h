#pragma once
// Lets an action through at most once per interval: the first time at once,
// later only when the interval has passed since it was last let through.
// What costs a trip to the window system (handling pending events) need not
// happen at every page.
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

// Lets the program handle its pending events during a long run, so that a
// status window repaints and its "Cancel" answers within a tenth of a
// second, but at most every kIntervalMs: a trip to the window system at
// every page would cost more than the page.
class RptEventPump {
public:
    static constexpr qint64 kIntervalMs = 50;
    void pump();

private:
    RptThrottle throttle_{kIntervalMs};
};

} // namespace zamt
