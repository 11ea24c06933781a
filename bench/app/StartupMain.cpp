// Start-up of the program up to the main window shown, then quits: timed as
// a whole process by startup.sh against BareWindowMain.
#include "app/CreateForms.h"
#include "app/Startup.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zamt::startProgram();
    QTimer::singleShot(0, &app, &QApplication::quit);
    const int status = QApplication::exec();
    zamt::destroyForms();
    return status;
}
