#include "look/WindowLook.h"

#include "platform/Jpeg.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QWidget>

namespace zamt {

void installWindowLook() {
    // Every window and message box without an icon of its own shows the tap.
    QApplication::setWindowIcon(programIcon());
    // MS Sans Serif is narrower than the common sans serif faces, above all
    // in Cyrillic; only a narrow face keeps the captions inside the boxes the
    // windows were drawn with.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("Arial Narrow"),
                                QStringLiteral("DejaVu Sans Condensed")});
    // Drop-down menus are windows of their own and do not inherit the font
    // of the menu bar.
    QApplication::setFont(windowFont(), "QMenu");
}

QFont windowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11); // 8 points at 96 pixels per inch
    return font;
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
