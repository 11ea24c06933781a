#pragma once
// The signals that ask the program to end: SIGTERM (a logout, a shutdown,
// `kill`), SIGINT (Ctrl+C) and SIGHUP (the terminal went away). The handler
// only writes the signal's number into a pipe whose other end the event
// loop watches, so the program ends in an ordinary handler, with its usual
// clean-up, and only then as that signal would have ended it: its parent
// sees it killed by the signal. A signal that was ignored when the program
// started (nohup) stays ignored.
#include <QObject>
#include <memory>

class QSocketNotifier;

namespace zamt {

class EndingSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; one object at a time. Raises AppError when the
    // pipe cannot be made.
    EndingSignals();
    // Puts the handlers found at construction back.
    ~EndingSignals() override;
    EndingSignals(const EndingSignals&) = delete;
    EndingSignals& operator=(const EndingSignals&) = delete;

    // The first ending signal that arrived, or 0.
    int received() const { return received_; }
    // Also takes a signal that came while no event loop was looking (a run
    // without windows, the end of the program); returns received().
    int check();
    // When a signal has arrived, also since the event loop last looked, ends
    // the process by it (the default action, raised again); otherwise returns.
    void endAsReceived();

signals:
    // Once, in the event loop, for the first signal; later ones change
    // nothing, the program being on its way out already.
    void arrived(int signal);

private:
    void readPipe();

    int readEnd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    int received_ = 0;
};

} // namespace zamt
