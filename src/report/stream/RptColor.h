#pragma once
// Colours of the page stream: 0x00BBGGRR, or 0x800000nn for the system
// colour nn, drawn with the usual desktop defaults of those colours.
#include <QColor>
#include <cstdint>

namespace zamt {

QColor rptColor(int32_t value);

} // namespace zamt
