#include "support/GuiHelpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace zamt::test {

void focus(QWidget* widget) {
    widget->window()->show();
    widget->window()->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
}

void type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        const ushort code = ch.toUpper().unicode();
        const bool ascii = code >= 0x20 && code < 0x7f;
        pressKey(widget, ascii ? static_cast<Qt::Key>(code) : Qt::Key_unknown, QString(ch));
    }
}

void pressKey(QWidget* widget, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

} // namespace zamt::test
