#include "support/GuiApplication.h"

#include "support/SystemDifferences.h"

#include <QGuiApplication>

namespace zamt::test {

void ensureGuiApplication() {
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zamt05_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    useTheSystemsFontSubstitutes();
}

} // namespace zamt::test
