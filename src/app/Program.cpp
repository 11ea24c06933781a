#include "app/Program.h"

#include "app/CreateForms.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "look/Forms.h"
#include "platform/EndingSignals.h"

#include <QApplication>

namespace zamt {

int runProgram(const std::function<void()>& started) {
    // Watched before the windows exist, so that no signal finds the default
    // action and ends the program without its clean-up.
    EndingSignals ending;
    QObject::connect(&ending, &EndingSignals::arrived, [] {
        if (Form1)
            Form1->close();
        else
            QApplication::quit();
    });
    startProgram();
    if (started)
        started();
    const int status = QApplication::exec();
    destroyForms();
    ending.endAsReceived();
    return status;
}

} // namespace zamt
