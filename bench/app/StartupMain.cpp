// Start-up of the program up to the main window shown, then quits: timed as
// a whole process by startup.sh against BareWindowMain.
#include "../common/QuitWhenShown.h"
#include "app/CreateForms.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "platform/FontConfiguration.h"

#include <QApplication>

int main(int argc, char** argv) {
    const zamt::FontConfigurationAhead fonts; // as main() does
    QApplication app(argc, argv);
    zamt::startProgram();
    zamt::bench::quitWhenShown(*zamt::Form1);
    const int status = QApplication::exec();
    zamt::destroyForms();
    return status;
}
