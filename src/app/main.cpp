// zamt05: computes the correction coefficient K of a single-path ultrasonic
// flowmeter from the pipe's geometry and the water's hydraulic conditions.
#include "app/Forms.h"
#include "app/TForm1.h"
#include "platform/DecimalSeparator.h"
#include "platform/QtDialogs.h"
#include "platform/QtMessageBoxes.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zamt05"));
    QApplication::setQuitOnLastWindowClosed(false);
    zamt::initDecimalSeparator();
    zamt::installMessageBoxes(std::make_unique<zamt::QtMessageBoxes>());
    zamt::installDialogs(std::make_unique<zamt::QtDialogs>());

    zamt::createForms();
    zamt::Form1->show();
    const int status = QApplication::exec();
    zamt::destroyForms();
    return status;
}
