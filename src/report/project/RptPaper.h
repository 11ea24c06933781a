#pragma once
// Named paper sizes and the size of a report's pages.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zamt {

struct RptReport;

struct RptPaperSize {
    double width = 0; // inches, in portrait
    double height = 0;
    bool operator==(const RptPaperSize&) const = default;
};

struct RptNamedPaper {
    const char* name;
    RptPaperSize size;
};

// A3, A4, A5, B5 (ISO), Letter, Legal, Executive.
std::span<const RptNamedPaper> rptNamedPapers();
// The size of that name (compared exactly), or nothing.
std::optional<RptPaperSize> rptNamedPaper(std::string_view name);
// The name of a size that is exactly a named one ("A4"), or nothing.
std::optional<std::string> rptPaperName(const RptPaperSize& size);

// The page as it is drawn: the sheet turned across for landscape.
double rptPageWidth(const RptReport& report);
double rptPageHeight(const RptReport& report);

} // namespace zamt
