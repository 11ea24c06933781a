#include "report/stream/RptThrottle.h"

#include <gtest/gtest.h>
#include <vector>

namespace zamt::test {
namespace {

TEST(Throttle, LetsTheFirstThroughAtOnceThenOncePerInterval) {
    struct Case {
        const char* name;
        qint64 interval;
        std::vector<qint64> times; // the clock at each question
        std::vector<bool> due;
    };
    const Case cases[] = {
        {"first at once, then after the interval",
         50,
         {0, 10, 49, 50, 60, 99, 100},
         {true, false, false, true, false, false, true}},
        {"a long pause lets the next through at once",
         50,
         {1000, 5000, 5001, 5049, 5050},
         {true, true, false, false, true}},
        {"the interval counts from the last let through",
         50,
         {0, 70, 100, 120},
         {true, true, false, true}},
        {"no interval lets every one through", 0, {5, 5, 5}, {true, true, true}},
    };
    for (const Case& c : cases) {
        size_t at = 0;
        RptThrottle throttle(c.interval, [&] { return c.times[at]; });
        std::vector<bool> due;
        for (at = 0; at < c.times.size(); ++at)
            due.push_back(throttle.due());
        EXPECT_EQ(due, c.due) << c.name;
    }
}

TEST(Throttle, TheMonotonicClockDoesNotGoBack) {
    const qint64 first = RptThrottle::monotonicMilliseconds();
    EXPECT_GE(RptThrottle::monotonicMilliseconds(), first);
}

} // namespace
} // namespace zamt::test
