#include "report/system/RptSystemPlatform.h"

#include "platform/AppError.h"
#include "report/common/RptTranslate.h"

namespace zamt {
namespace {

std::unique_ptr<RptSystemPlatform>& current() {
    static std::unique_ptr<RptSystemPlatform> platform = std::make_unique<RptSystemPlatform>();
    return platform;
}

} // namespace

void RptSystemPlatform::print(TRptSystem&, QIODevice&) {
    throw AppError(rptTranslate(QStringLiteral("No printer is available.")));
}

RptSystemPlatform& rptSystemPlatform() {
    return *current();
}

std::unique_ptr<RptSystemPlatform>
installRptSystemPlatform(std::unique_ptr<RptSystemPlatform> platform) {
    std::swap(current(), platform);
    return platform;
}

} // namespace zamt
