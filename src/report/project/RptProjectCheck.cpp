#include "report/project/RptProjectCheck.h"

#include "platform/CodePage.h"
#include "report/project/RptPaper.h"
#include "report/project/RptProjectErrors.h"
#include "report/stream/RptNames.h"

#include <QSet>
#include <unordered_set>

namespace zamt {
namespace {

// Room left for rounding when bands fill the page exactly.
constexpr double kFitTolerance = 1e-9;

QString quoted(const std::string& name) {
    return QLatin1Char('"') + fromCp1251(name) + QLatin1Char('"');
}

QString inches(double value) {
    return QString::number(value, 'g', 6);
}

template <typename T> void requireUniqueNames(const std::vector<T>& list, const QString& what) {
    std::unordered_set<std::string> seen;
    for (const T& one : list) {
        if (seen.contains(one.name))
            rptInvalidProject(QStringLiteral("two %1 are named %2").arg(what, quoted(one.name)));
        seen.insert(one.name);
    }
}

void checkDataView(const RptDataView& view) {
    // Fields meet the connection's columns without regard to case.
    QSet<QString> seen;
    for (const RptField& field : view.fields) {
        const QString key = rptNameKey(field.name);
        if (seen.contains(key))
            rptInvalidProject(QStringLiteral("the data view %1 has two fields named %2")
                                  .arg(quoted(view.name), quoted(field.name)));
        seen.insert(key);
    }
}

double bandHeight(const auto& band) {
    return band ? band->height : 0.0;
}

void checkPage(const RptReport& report) {
    const double width = rptPageWidth(report);
    const double height = rptPageHeight(report);
    if (report.marginLeft + report.marginRight >= width ||
        report.marginTop + report.marginBottom >= height)
        rptInvalidProject(QStringLiteral("the report %1 leaves no room between its margins")
                              .arg(quoted(report.name)));
    const double room = height - report.marginTop - report.marginBottom;
    const double bands =
        bandHeight(report.pageHeader) + bandHeight(report.detail) + bandHeight(report.pageFooter);
    if (bands > room + kFitTolerance)
        rptInvalidProject(QStringLiteral("the bands of the report %1 are %2 inches high together, "
                                         "more than the %3 inches between its top and bottom "
                                         "margins")
                              .arg(quoted(report.name), inches(bands), inches(room)));
}

void checkDataText(const RptProjectModel& project, const RptReport& report,
                   const RptDataText& text) {
    const RptDataView* view = project.findDataView(text.dataView);
    if (!view)
        rptInvalidProject(QStringLiteral("a data text of the report %1 reads the data view %2, "
                                         "which the project does not have")
                              .arg(quoted(report.name), quoted(text.dataView)));
    if (!view->findField(text.field))
        rptInvalidProject(QStringLiteral("a data text of the report %1 reads the field %2, which "
                                         "the data view %3 does not have")
                              .arg(quoted(report.name), quoted(text.field), quoted(view->name)));
}

void checkBand(const RptProjectModel& project, const RptReport& report, const RptBand* band) {
    if (!band)
        return;
    for (const RptItem& item : band->items)
        if (const auto* text = std::get_if<RptDataText>(&item))
            checkDataText(project, report, *text);
}

void checkReport(const RptProjectModel& project, const RptReport& report) {
    checkPage(report);
    if (report.detail && !project.findDataView(report.detail->dataView))
        rptInvalidProject(QStringLiteral("the detail band of the report %1 reads the data view "
                                         "%2, which the project does not have")
                              .arg(quoted(report.name), quoted(report.detail->dataView)));
    checkBand(project, report, report.pageHeader ? &*report.pageHeader : nullptr);
    checkBand(project, report, report.detail ? &*report.detail : nullptr);
    checkBand(project, report, report.pageFooter ? &*report.pageFooter : nullptr);
}

} // namespace

void rptCheckProject(const RptProjectModel& project) {
    if (project.reports.empty())
        rptInvalidProject(QStringLiteral("it holds no report"));
    requireUniqueNames(project.reports, QStringLiteral("reports"));
    requireUniqueNames(project.dataViews, QStringLiteral("data views"));
    for (const RptDataView& view : project.dataViews)
        checkDataView(view);
    for (const RptReport& report : project.reports)
        checkReport(project, report);
}

} // namespace zamt
