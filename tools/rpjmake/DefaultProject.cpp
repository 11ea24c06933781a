#include "DefaultProject.h"

#include "platform/CodePage.h"
#include "report/project/RptPaper.h"

namespace zamt {
namespace {

// A4 with room on the left for binding. The record's lines are up to about
// 90 characters; at 9 points a DejaVu Sans Mono character is 0.075 inches
// wide, so 7 inches take 93 of them. A row is 0.16 inches high, which gives
// 61 rows between header and footer: a 30-line record fills half a page.
constexpr double kWidth = 7.0;
constexpr double kRowHeight = 0.16;
constexpr const char* kFont = "DejaVu Sans Mono";

RptItemFont font(double size, bool bold = false) {
    RptItemFont font;
    font.name = kFont;
    font.size = size;
    font.bold = bold;
    return font;
}

RptFixedText text(double y, double height, RptItemFont font, std::string text) {
    RptFixedText item;
    item.frame = {0, y, kWidth, height};
    item.font = std::move(font);
    item.align = RptAlign::Center;
    item.text = std::move(text);
    return item;
}

RptLine rule(double y) {
    RptLine line;
    line.x1 = 0;
    line.y1 = y;
    line.x2 = kWidth;
    line.y2 = y;
    line.penWidth = 0.5;
    return line;
}

} // namespace

RptProjectModel rptDefaultProject() {
    RptDataView view;
    view.name = "PassportLines";
    view.connection = "RptCustomConnection1";
    view.fields.push_back({"StrField", TRptDataType::dtString});

    RptReport report;
    report.name = "Passport";
    report.title = cp1251("Паспорт измерительного участка");
    const RptPaperSize a4 = *rptNamedPaper("A4");
    report.paperWidth = a4.width;
    report.paperHeight = a4.height;
    report.marginLeft = 0.75;
    report.marginRight = 0.5;
    report.marginTop = 0.5;
    report.marginBottom = 0.5;

    RptBand& header = report.pageHeader.emplace();
    header.height = 0.5;
    header.items.push_back(text(0, 0.3, font(12, true), report.title));
    header.items.push_back(rule(0.4));

    RptDetailBand& detail = report.detail.emplace();
    detail.height = kRowHeight;
    detail.dataView = view.name;
    RptDataText line;
    line.frame = {0, 0, kWidth, kRowHeight};
    line.font = font(9);
    line.dataView = view.name;
    line.field = "StrField";
    detail.items.push_back(line);

    RptBand& footer = report.pageFooter.emplace();
    footer.height = 0.4;
    footer.items.push_back(rule(0.1));
    footer.items.push_back(text(0.15, 0.2, font(9), cp1251("Страница {page} из {pages}")));

    RptProjectModel project;
    project.dataViews.push_back(std::move(view));
    project.reports.push_back(std::move(report));
    project.activeReport = "Passport";
    return project;
}

} // namespace zamt
