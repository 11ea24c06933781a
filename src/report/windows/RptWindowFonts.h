#pragma once
// The fonts of the report windows, with the faces that stand in for the
// Windows ones on this system.
#include <QFont>

namespace zamt {

// System, 13 pixels: a bold sans serif as the Windows system font looks.
QFont rptSystemFont();
// Arial, 11 pixels unless asked for another size (Liberation Sans has
// Arial's widths).
QFont rptArialFont(int pixels = 11);

} // namespace zamt
