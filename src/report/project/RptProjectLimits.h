#pragma once
// Bounds of what a report project may hold. They are far above any real
// report and keep a damaged or hostile file from taking the machine.
#include <cstdint>

namespace zamt {

inline constexpr int64_t kRptMaxProjectText = 16 * 1024 * 1024; // bytes of XML
inline constexpr int kRptMaxReports = 100;
inline constexpr int kRptMaxDataViews = 100;
inline constexpr int kRptMaxFields = 1000;         // per data view
inline constexpr int kRptMaxBandItems = 10000;     // per band
inline constexpr int kRptMaxProjectItems = 100000; // in the whole project
inline constexpr int kRptMaxNameLength = 255;      // characters of a name
// Characters of a text: the longest string the page stream holds.
inline constexpr int kRptMaxTextLength = 16383;
inline constexpr double kRptMaxInches = 100; // paper, positions and sizes
inline constexpr double kRptMinFontSize = 1; // points
inline constexpr double kRptMaxFontSize = 1000;
inline constexpr double kRptMaxPenWidth = 72; // points

} // namespace zamt
