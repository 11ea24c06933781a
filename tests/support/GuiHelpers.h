#pragma once
// Helpers of the GUI tests: find widgets by object name, type and click.
#include <QWidget>
#include <gtest/gtest.h>

namespace zamt::test {

template <class W = QWidget>
W* child(QWidget* parent, const char* name) {
    W* widget = parent->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no widget " << name;
    return widget;
}

// Gives the widget's window and the widget the focus, as a user's click would.
void focus(QWidget* widget);
// Types text with real key events into the focused widget.
void type(QWidget* widget, const QString& text);
void pressKey(QWidget* widget, Qt::Key key, const QString& text = {});
void click(QWidget* button);

} // namespace zamt::test
