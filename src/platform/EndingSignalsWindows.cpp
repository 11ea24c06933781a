#include "platform/EndingSignals.h"

#include "platform/AppError.h"
#include "platform/InstanceTempFolder.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <atomic>
#include <csignal>
#include <mutex>
#include <windows.h>

// On Windows the endings come as console events (Ctrl+C, Ctrl+Break, the
// console closed, the session ending) on a thread of their own, and for the
// windows as the session's end through Qt. They are told by the numbers of
// the C signals they stand for: SIGINT, SIGBREAK, SIGTERM.
namespace zamt {
namespace {

constexpr DWORD kEndedByControl = 0xC000013A; // STATUS_CONTROL_C_EXIT, as Windows ends a program

std::mutex watcherLock;
EndingSignals* watcher = nullptr;
std::atomic<int> pending{0};
HANDLE finished = nullptr; // set once the program has done its clean-up

int signalOf(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
        return SIGINT;
    case CTRL_BREAK_EVENT:
        return SIGBREAK;
    default: // the console closed, the user logged off, the system shuts down
        return SIGTERM;
    }
}

BOOL WINAPI onConsoleEvent(DWORD event) {
    {
        const std::lock_guard<std::mutex> hold(watcherLock);
        if (watcher == nullptr)
            return FALSE;
        int none = 0;
        pending.compare_exchange_strong(none, signalOf(event));
        QMetaObject::invokeMethod(watcher, [] {
            if (watcher != nullptr)
                watcher->check();
        });
    }
    // Windows ends the process once this returns from a closed console or
    // the session's end: the program's own end is waited for first.
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        WaitForSingleObject(finished, 4500);
    return TRUE;
}

} // namespace

EndingSignals::EndingSignals() {
    const std::lock_guard<std::mutex> hold(watcherLock);
    if (watcher != nullptr)
        throw AppError(QStringLiteral("The ending signals are watched already"));
    if (finished == nullptr)
        finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ResetEvent(finished);
    pending = 0;
    watcher = this;
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // Asked whether the session may end: the program ends as if the
        // main window were closed. When Windows then ends it, before the
        // event loop has finished that, the page files go at least.
        connect(app, &QGuiApplication::commitDataRequest, this, [this] {
            int none = 0;
            pending.compare_exchange_strong(none, SIGTERM);
            check();
        });
        connect(app, &QCoreApplication::aboutToQuit, this, [this] {
            if (received_ != 0)
                releaseInstanceTempFolder();
        });
    }
}

EndingSignals::~EndingSignals() {
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    const std::lock_guard<std::mutex> hold(watcherLock);
    watcher = nullptr;
    SetEvent(finished);
}

void EndingSignals::readPipe() {
    const int signal = pending.load();
    if (signal != 0 && received_ == 0) {
        received_ = signal;
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
    SetEvent(finished);
    ExitProcess(kEndedByControl);
}

} // namespace zamt
