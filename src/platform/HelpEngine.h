#pragma once
// The program's help engine: opens a help file at a context number in a help
// window. Problems are reported by the engine itself in a "Help" message box.
#include <QString>

class QWidget;

namespace zamt {

void showHelpContext(QWidget* owner, const QString& fileName, int context);

} // namespace zamt
