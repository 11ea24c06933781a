#include "report/stream/RptColor.h"

#include <array>

namespace zamt {
namespace {

// System colours 0 to 30 (scroll bar, desktop, captions, menu, window, window
// frame, menu text, window text, ...), as 0xRRGGBB.
constexpr std::array<uint32_t, 31> RptSystemColors = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};

} // namespace

QColor rptColor(int32_t value) {
    const uint32_t v = uint32_t(value);
    if ((v & 0xFF000000u) == 0x80000000u) {
        const uint32_t index = v & 0xFFu;
        return QColor::fromRgb(index < RptSystemColors.size() ? RptSystemColors[index] : 0u);
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

} // namespace zamt
