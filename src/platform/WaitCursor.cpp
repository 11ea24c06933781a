#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace zamt {

WaitCursor::WaitCursor() : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    if (active_)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
    if (active_)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace zamt
