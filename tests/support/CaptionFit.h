#pragma once
// Whether the captions of a window fit the boxes its layout file gives them,
// measured with each widget's own font: labels, buttons, check boxes and
// radio buttons, word-wrapped labels by their wrapped height; and the items
// of a combo box, closed and opened.
#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

namespace zamt::test {

// One line per caption that does not fit: name, text, needed and given size.
// `uiFile` is the window's layout file; its widgets are found in `window` by
// object name.
QStringList captionsThatDoNotFit(QWidget* window, const QString& uiFile);

// One line per item of the box that is not shown whole: in the closed box
// when it is the current one, and in the opened list.
QStringList comboItemsThatDoNotShow(QComboBox* box);

} // namespace zamt::test
