#include "report/stream/RptNames.h"

#include "platform/CodePage.h"

namespace zamt {

QString rptNameKey(std::string_view name) {
    return fromCp1251(name).toCaseFolded();
}

} // namespace zamt
