// main() of the GUI test programs: a QApplication on the offscreen platform.
#include "look/WindowLook.h"
#include "platform/DecimalSeparator.h"
#include "support/SystemDifferences.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zamt::test::useTheSystemsFontSubstitutes();
    zamt::installWindowLook();
    zamt::setDecimalSeparator(',');
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
