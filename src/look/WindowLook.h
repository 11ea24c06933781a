#pragma once
// What the program's windows share: colours, the window kinds, showing a
// window, and the pictures embedded in the program (the fonts are
// WindowFonts').
#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QWidget;

namespace zamt {

namespace colors {
inline const QColor skyBlue{166, 202, 240};
inline const QColor olive{128, 128, 0};
inline const QColor cream{255, 251, 240};
inline const QColor paleGreen{192, 220, 192};
inline const QColor desktop{58, 110, 165};
} // namespace colors

// The program's icon for every window, and its fonts (installWindowFonts);
// the menus get the windows' font, MS Sans Serif at 8 points.
void installWindowLook();
// Fills the widget's background with the colour.
void setBackground(QWidget* widget, const QColor& color);
// Makes the widget's text the colour.
void setTextColor(QWidget* widget, const QColor& color);
// A sizeable window with a caption bar and a close box only.
void makeToolWindow(QWidget* window);
// Places a window by its outer frame and sizes its client area.
void placeWindow(QWidget* window, int left, int top, int clientWidth, int clientHeight);
// Makes a window visible and brings it to the front.
void showWindow(QWidget* window);

// A picture embedded in the program, decoded with libjpeg ("workers",
// "portrait", "emblem", "chart7", "chartbutton").
QPixmap picture(const QString& name);
// The water tap, the program's icon.
QIcon programIcon();

} // namespace zamt
