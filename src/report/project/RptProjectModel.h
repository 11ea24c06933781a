#pragma once
// A report project as its file holds it: reports, the data views they read,
// and the name of the report that was active when it was saved. Plain values:
// copying a project or a report copies everything in it. Lengths are inches,
// font sizes points, texts and names Windows-1251.
#include "report/common/RptField.h"
#include "report/project/RptItems.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zamt {

struct RptBand {
    double height = 0;
    std::vector<RptItem> items;
    bool operator==(const RptBand&) const = default;
};

// Printed once for every row of its data view.
struct RptDetailBand : RptBand {
    std::string dataView;
    bool operator==(const RptDetailBand&) const = default;
};

enum class RptOrientation { Portrait, Landscape };

struct RptReport {
    std::string name;
    // The page stream's title.
    std::string title = "Untitled Report";
    // The sheet as it lies in portrait; landscape pages are drawn across it
    // (see rptPageWidth/rptPageHeight in RptPaper.h). US Letter by default.
    double paperWidth = 8.5;
    double paperHeight = 11;
    RptOrientation orientation = RptOrientation::Portrait;
    double marginLeft = 0.5;
    double marginTop = 0.5;
    double marginRight = 0.5;
    double marginBottom = 0.5;
    // The report system keeps the generated pages in its page file.
    bool alwaysGenerate = false;
    // Bands the report does not have are empty.
    std::optional<RptBand> pageHeader;
    std::optional<RptDetailBand> detail;
    std::optional<RptBand> pageFooter;
    bool operator==(const RptReport&) const = default;
};

// A data view reads the rows of the data connection it names.
struct RptDataView {
    std::string name;
    std::string connection;
    std::vector<RptField> fields;
    bool operator==(const RptDataView&) const = default;

    // The field of that name (compared exactly), or null.
    const RptField* findField(std::string_view name) const;
};

struct RptProjectModel {
    std::vector<RptReport> reports;
    std::vector<RptDataView> dataViews;
    std::string activeReport;
    bool operator==(const RptProjectModel&) const = default;

    // The data view of that name (compared exactly), or null.
    const RptDataView* findDataView(std::string_view name) const;
};

// The project a file of length zero holds: one empty report, "Report1".
RptProjectModel rptEmptyProject();

} // namespace zamt
