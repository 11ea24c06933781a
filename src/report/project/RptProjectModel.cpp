#include "report/project/RptProjectModel.h"

#include <algorithm>

namespace zamt {
namespace {

template <typename T> const T* findNamed(const std::vector<T>& list, std::string_view name) {
    const auto it =
        std::find_if(list.begin(), list.end(), [name](const T& one) { return one.name == name; });
    return it == list.end() ? nullptr : &*it;
}

} // namespace

const RptField* RptDataView::findField(std::string_view name) const {
    return findNamed(fields, name);
}

const RptDataView* RptProjectModel::findDataView(std::string_view name) const {
    return findNamed(dataViews, name);
}

RptProjectModel rptEmptyProject() {
    RptProjectModel project;
    project.reports.emplace_back().name = "Report1";
    project.activeReport = "Report1";
    return project;
}

} // namespace zamt
