#include "app/Program.h"

#include "app/CreateForms.h"
#include "app/PrintWithoutWindows.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "look/Forms.h"
#include "platform/AppError.h"
#include "platform/EndingSignals.h"
#include "platform/HandlerGuard.h"
#include "platform/InstanceTempFolder.h"
#include "report/system/TRptSystem.h"

#include <QApplication>
#include <QTimer>
#include <optional>

namespace zamt {

namespace {

// The program's life around `body`: an ending signal closes the main window
// as the user would; afterwards the windows go, the instance's temporary
// folder goes, and a signal that arrived ends the program by that signal.
int runWithEndingSignals(const std::function<int(EndingSignals*)>& body) {
    // Watched before the windows exist, so that no signal finds the default
    // action and ends the program without its clean-up. Without a pipe the
    // program still runs, and a signal ends it as it would any program.
    std::optional<EndingSignals> ending;
    try {
        ending.emplace();
        QObject::connect(&*ending, &EndingSignals::arrived, [] {
            // Without the main window (printing without windows) a run in
            // progress is cancelled here; closing the window would do it.
            if (!Form1)
                TRptSystem::cancelRunning();
            if (!Form1 || !Form1->close())
                QApplication::exit(0);
        });
    } catch (const AppError& error) {
        qWarning("%s", qPrintable(error.message()));
    }
    const int status = body(ending ? &*ending : nullptr);
    destroyForms();
    // An ending by a signal leaves no application object behind to do it.
    releaseInstanceTempFolder();
    if (ending)
        ending->endAsReceived();
    return status;
}

} // namespace

int runProgram(const std::function<void()>& started, const QString& file) {
    return runWithEndingSignals([&](EndingSignals*) {
        startProgram();
        // Queued ahead of what `started` queues, which then finds the file loaded.
        if (!file.isEmpty())
            QTimer::singleShot(0, Form1, [file] { runGuarded([&] { Form1->openAtStart(file); }); });
        if (started)
            started();
        return QApplication::exec();
    });
}

int runPrintRequest(const PrintRequest& request) {
    return runWithEndingSignals([&](EndingSignals* ending) {
        return printWithoutWindows(request, [ending] { return ending && ending->check(); });
    });
}

} // namespace zamt
