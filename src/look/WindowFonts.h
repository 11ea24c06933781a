#pragma once
// The windows' fonts by the Windows faces they were laid out with. Where a
// face is missing, one table names the faces of like width that stand in
// for it, so that captions keep to the boxes drawn for them.
#include <QFont>
#include <QString>

namespace zamt {

// Puts the stand-ins in place for every font that names these faces,
// those of the window layouts included. Done once; windowFont() does it too.
void installWindowFonts();

// The face at a size in pixels: "MS Sans Serif" (8 points are 11 pixels),
// "System" (bold, as the Windows system font looks), "Arial", or any other
// face as it is.
QFont windowFont(const QString& face, int pixels);

} // namespace zamt
