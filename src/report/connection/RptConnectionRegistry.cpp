#include "report/connection/RptConnectionRegistry.h"

#include "report/common/RptSameText.h"
#include "report/connection/TRptCustomConnection.h"

#include <algorithm>
#include <vector>

namespace zamt {
namespace {

std::vector<TRptCustomConnection*>& connections() {
    static std::vector<TRptCustomConnection*> list;
    return list;
}

} // namespace

void RptConnectionRegistry::add(TRptCustomConnection* connection) {
    connections().push_back(connection);
}

void RptConnectionRegistry::remove(TRptCustomConnection* connection) {
    auto& list = connections();
    list.erase(std::remove(list.begin(), list.end(), connection), list.end());
}

TRptCustomConnection* RptConnectionRegistry::find(std::string_view name) {
    for (TRptCustomConnection* connection : connections())
        if (rptSameText(connection->name(), name))
            return connection;
    return nullptr;
}

} // namespace zamt
