#pragma once
// Whether the controls of a window keep to their own boxes: no visible
// control's box runs into a visible neighbour's, and none runs out of the
// box that holds it. Checked as the window stands (hidden controls that
// take turns in one place are left out).
#include <QStringList>

class QWidget;

namespace zamt::test {

// One line per pair that overlaps and per control that runs out of its
// holder: names and boxes.
QStringList controlsThatOverlap(QWidget* window);

} // namespace zamt::test
