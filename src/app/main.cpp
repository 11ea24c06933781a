// zamt05: computes the correction coefficient K of a single-path ultrasonic
// flowmeter from the pipe's geometry and the water's hydraulic conditions.
#include "app/CommandLine.h"
#include "app/PrintWithoutWindows.h"
#include "app/Program.h"
#include "platform/Console.h"
#include "platform/FontConfiguration.h"
#include "platform/InstanceTempFolder.h"
#include "platform/NoDisplay.h"
#include "platform/ProgramFonts.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    zamt::attachParentConsole();
    // Before Qt looks for its own temporary files.
    zamt::settleTemporaryFolder();
    // Read without the window system, which aborts the program where there
    // is no display: --help and --version must work there too.
    zamt::CommandLine line;
    {
        QCoreApplication core(argc, argv);
        line = zamt::parseCommandLine(QCoreApplication::arguments(), QStringLiteral(ZAMT_VERSION));
    }
    switch (line.action) {
    case zamt::CommandLine::Action::Print:
        zamt::writeConsoleText(stdout, line.output);
        return 0;
    case zamt::CommandLine::Action::Refuse:
        zamt::writeConsoleText(stderr, line.output);
        return zamt::kRefusedStatus;
    case zamt::CommandLine::Action::PrintReports: {
        // No window is shown, so no display is used, whatever is named.
        zamt::useNoDisplay();
        zamt::quietenQtWarnings();
        const zamt::FontConfigurationAhead fonts;
        QApplication app(argc, argv);
        zamt::addProgramFonts();
        return zamt::runPrintRequest(line.print);
    }
    case zamt::CommandLine::Action::Start:
        break;
    }
    if (!line.warning.isEmpty())
        zamt::writeConsoleText(stderr, line.warning);
    const zamt::FontConfigurationAhead fonts;
    QApplication app(argc, argv);
    zamt::addProgramFonts();
    return zamt::runProgram({}, line.file);
}
