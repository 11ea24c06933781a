#include "look/WindowLook.h"

#include "look/WindowFonts.h"
#include "platform/Jpeg.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

namespace zamt {

void installWindowLook() {
    // Every window and message box without an icon of its own shows the tap.
    QApplication::setWindowIcon(programIcon());
    installWindowFonts();
    // Drop-down menus are windows of their own and do not inherit the font
    // of the menu bar.
    QApplication::setFont(windowFont(QStringLiteral("MS Sans Serif"), 11), "QMenu");
}

void setBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void makeToolWindow(QWidget* window) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
}

void placeWindow(QWidget* window, int left, int top, int clientWidth, int clientHeight) {
    window->resize(clientWidth, clientHeight);
    window->move(left, top);
}

void showWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

QPixmap picture(const QString& name) {
    QFile file(QStringLiteral(":/pictures/%1.jpg").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QPixmap::fromImage(decodeJpeg(file.readAll()));
}

QIcon programIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/tap16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/pictures/tap32.png"), QSize(32, 32));
    return icon;
}

} // namespace zamt
