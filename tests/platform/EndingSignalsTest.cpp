// The ending signals reach the event loop, once, and end the process by the
// signal afterwards; real signals raised in the test process.
#include "platform/EndingSignals.h"

#include <QCoreApplication>
#include <csignal>
#include <gtest/gtest.h>

namespace zamt {
namespace {

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app ? *app : *QCoreApplication::instance();
}

class EndingSignalsTest : public ::testing::TestWithParam<int> {};

TEST_P(EndingSignalsTest, ArriveOnceInTheEventLoopAndEndTheProcessByTheSignal) {
    application();
    const int signal = GetParam();
    EndingSignals ending;
    std::vector<int> arrived;
    QObject::connect(&ending, &EndingSignals::arrived, [&](int s) { arrived.push_back(s); });
    ASSERT_EQ(::raise(signal), 0);
    ASSERT_EQ(::raise(signal), 0);
    EXPECT_EQ(ending.received(), 0) << "nothing but the pipe in the handler";
    QCoreApplication::processEvents();
    EXPECT_EQ(arrived, std::vector<int>{signal});
    EXPECT_EQ(ending.received(), signal);
    EXPECT_EXIT(ending.endAsReceived(), ::testing::KilledBySignal(signal), "");
}

INSTANTIATE_TEST_SUITE_P(, EndingSignalsTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) {
                             return std::string(info.param == SIGTERM  ? "SIGTERM"
                                                : info.param == SIGINT ? "SIGINT"
                                                                       : "SIGHUP");
                         });

TEST(EndingSignals, WithoutASignalTheProcessGoesOn) {
    application();
    EndingSignals ending;
    ending.endAsReceived();
    EXPECT_EQ(ending.received(), 0);
}

TEST(EndingSignals, ASignalIgnoredAtStartStaysIgnored) {
    application();
    const auto previous = std::signal(SIGHUP, SIG_IGN);
    {
        EndingSignals ending;
        ASSERT_EQ(::raise(SIGHUP), 0);
        QCoreApplication::processEvents();
        EXPECT_EQ(ending.received(), 0);
    }
    std::signal(SIGHUP, previous);
}

TEST(EndingSignals, OneWatcherAtATime) {
    application();
    EndingSignals ending;
    EXPECT_ANY_THROW(EndingSignals second);
}

} // namespace
} // namespace zamt
