#include "report/system/TSystemPrinter.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zamt {
namespace {

constexpr std::array<std::pair<TPrintUnits, double>, 4> NamedUnits{{
    {TPrintUnits::unInch, 1.0},
    {TPrintUnits::unMM, 25.4},
    {TPrintUnits::unCM, 2.54},
    {TPrintUnits::unPoint, 72.0},
}};

} // namespace

void TSystemPrinter::setTabShade(int percent) {
    tabShade_ = std::clamp(percent, 0, 100);
}

void TSystemPrinter::setUnits(TPrintUnits units) {
    units_ = units;
    for (const auto& [named, factor] : NamedUnits)
        if (named == units)
            unitsFactor_ = factor;
}

void TSystemPrinter::setUnitsFactor(double factor) {
    if (!(factor > 0))
        return;
    unitsFactor_ = factor;
    units_ = TPrintUnits::unUser;
    for (const auto& [named, namedFactor] : NamedUnits)
        if (namedFactor == factor)
            units_ = named;
}

} // namespace zamt
