#pragma once
// The program's pictures, each drawn by one function at its final pixel size.
// Every function is deterministic: the same program gives the same pixels.
#include <QImage>

namespace zamt::pictures {

// Title picture of the main window, 352 by 305: workers laying a pipe.
QImage drawWorkers();
// About window portrait, 62 by 84.
QImage drawPortrait();
// About window emblem, 60 by 160, with the name lettered vertically.
QImage drawEmblem();
// Face of the hydraulics window's chart button, 330 by 30.
QImage drawChartButton();
// The reference chart "рисунок 7", 574 by 406.
QImage drawChart7();
// The water-tap icon sizes: 16 and 32 for the windows, all of them for the
// desktop's icon theme.
inline constexpr int kTapIconSizes[] = {16, 32, 48, 64, 128, 256};
// The water-tap icon at one of those sizes, in 16 colours on a transparent ground.
QImage drawTapIcon(int size);

} // namespace zamt::pictures
