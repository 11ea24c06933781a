#include "ProjectTestSupport.h"

#include "report/project/RptProjectHeader.h"

namespace zamt::test {

namespace {
constexpr const char* kMinimalChildren =
    R"(<dataView name="V" connection="RptCustomConnection1"><field name="StrField"/></dataView>)"
    R"(<report name="R"><detail height="0.2" dataView="V">)"
    R"(<dataText field="StrField" width="1" height="0.2"/></detail></report>)";
}

QByteArray minimalProjectXml() {
    return projectXml(R"(activeReport="R")", kMinimalChildren);
}

QByteArray projectXml(const std::string& attributes, const std::string& children) {
    return QByteArray::fromStdString("<project " + attributes + ">" + children + "</project>");
}

RptProjectModel namedReports(const std::vector<std::string>& names, const std::string& active) {
    RptProjectModel project;
    for (const std::string& name : names) {
        RptReport report;
        report.name = name;
        report.title = "Title of " + name;
        project.reports.push_back(report);
    }
    project.activeReport = active;
    return project;
}

QByteArray framed(const QByteArray& text) {
    return rptFrameProjectText(text);
}

} // namespace zamt::test
