// zamt05: computes the correction coefficient K of a single-path ultrasonic
// flowmeter from the pipe's geometry and the water's hydraulic conditions.
#include "app/Program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return zamt::runProgram();
}
