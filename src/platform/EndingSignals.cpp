#include "platform/EndingSignals.h"

#include "platform/AppError.h"
#include "platform/FileFailure.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zamt {
namespace {

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kCount = int(std::size(kEndingSignals));

volatile sig_atomic_t writeEnd = -1;
struct sigaction previous[kCount];
bool installed[kCount];

// Only async-signal-safe calls: one write that never blocks (a full pipe
// already holds a signal for the loop to see).
extern "C" void onEndingSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &number, 1);
    errno = savedErrno;
}

} // namespace

EndingSignals::EndingSignals() {
    if (writeEnd != -1)
        throw AppError(QStringLiteral("The ending signals are watched already"));
    int ends[2];
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0)
        throw AppError(QStringLiteral("Cannot watch the ending signals: %1")
                           .arg(systemErrorText(errno)));
    readEnd_ = ends[0];
    writeEnd = ends[1];
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &EndingSignals::readPipe);

    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < kCount; ++i) {
        installed[i] = false;
        if (::sigaction(kEndingSignals[i], nullptr, &previous[i]) != 0 ||
            previous[i].sa_handler == SIG_IGN)
            continue;
        installed[i] = ::sigaction(kEndingSignals[i], &action, nullptr) == 0;
    }
}

EndingSignals::~EndingSignals() {
    for (int i = 0; i < kCount; ++i)
        if (installed[i])
            ::sigaction(kEndingSignals[i], &previous[i], nullptr);
    notifier_.reset();
    const int write = writeEnd;
    writeEnd = -1;
    ::close(write);
    ::close(readEnd_);
}

void EndingSignals::readPipe() {
    unsigned char numbers[16];
    ssize_t count;
    while ((count = ::read(readEnd_, numbers, sizeof numbers)) > 0 || (count < 0 && errno == EINTR))
        for (ssize_t i = 0; i < count; ++i)
            if (received_ == 0) {
                received_ = numbers[i];
                emit arrived(received_);
            }
}

int EndingSignals::check() {
    readPipe();
    return received_;
}

void EndingSignals::endAsReceived() {
    if (check() == 0)
        return;
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(received_, &fallback, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, received_);
    ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(received_);
    // Not reached: the default action of every ending signal ends the process.
    ::_exit(128 + received_);
}

} // namespace zamt
