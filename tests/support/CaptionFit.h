#pragma once
// Whether the captions of a window fit the boxes its layout file gives them,
// measured with each widget's own font: labels, buttons, check boxes and
// radio buttons, word-wrapped labels by their wrapped height.
#include <QString>
#include <QStringList>

class QWidget;

namespace zamt::test {

// One line per caption that does not fit: name, text, needed and given size.
// `uiFile` is the window's layout file; its widgets are found in `window` by
// object name.
QStringList captionsThatDoNotFit(QWidget* window, const QString& uiFile);

} // namespace zamt::test
