#pragma once
// Ends the program once its main window has been shown on the screen: at
// the first expose of the window, after which the window has been painted.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace zamt::bench {

inline void quitWhenShown(QWidget& window) {
    class Watcher : public QObject {
    public:
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override {
            auto* handle = qobject_cast<QWindow*>(watched);
            if (event->type() == QEvent::Expose && handle && handle->isExposed())
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            return false;
        }
    };
    window.winId(); // makes the window's handle to watch
    window.windowHandle()->installEventFilter(new Watcher(window.windowHandle()));
}

} // namespace zamt::bench
