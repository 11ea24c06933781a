#include "report/project/RptPaper.h"

#include "report/project/RptProjectModel.h"

#include <array>

namespace zamt {
namespace {

constexpr double mm(double millimetres) {
    return millimetres / 25.4;
}

constexpr std::array<RptNamedPaper, 7> kPapers = {{
    {"A3", {mm(297), mm(420)}},
    {"A4", {mm(210), mm(297)}},
    {"A5", {mm(148), mm(210)}},
    {"B5", {mm(176), mm(250)}},
    {"Letter", {8.5, 11}},
    {"Legal", {8.5, 14}},
    {"Executive", {7.25, 10.5}},
}};

} // namespace

std::span<const RptNamedPaper> rptNamedPapers() {
    return kPapers;
}

std::optional<RptPaperSize> rptNamedPaper(std::string_view name) {
    for (const RptNamedPaper& paper : kPapers)
        if (name == paper.name)
            return paper.size;
    return std::nullopt;
}

std::optional<std::string> rptPaperName(const RptPaperSize& size) {
    for (const RptNamedPaper& paper : kPapers)
        if (paper.size == size)
            return std::string(paper.name);
    return std::nullopt;
}

double rptPageWidth(const RptReport& report) {
    return report.orientation == RptOrientation::Landscape ? report.paperHeight : report.paperWidth;
}

double rptPageHeight(const RptReport& report) {
    return report.orientation == RptOrientation::Landscape ? report.paperWidth : report.paperHeight;
}

} // namespace zamt
