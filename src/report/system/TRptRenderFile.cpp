#include "report/system/TRptRenderFile.h"

#include <algorithm>

namespace zamt {

QString TRptRenderFile::filter() const {
    return displayName() + QStringLiteral("|*") + extension();
}

RptOutputFormats& RptOutputFormats::instance() {
    static RptOutputFormats formats;
    return formats;
}

TRptRenderFile& RptOutputFormats::add(std::unique_ptr<TRptRenderFile> format) {
    formats_.push_back(std::move(format));
    return *formats_.back();
}

void RptOutputFormats::remove(const TRptRenderFile* format) {
    std::erase_if(formats_, [format](const auto& f) { return f.get() == format; });
}

std::vector<TRptRenderFile*> RptOutputFormats::active() const {
    std::vector<TRptRenderFile*> result;
    for (const auto& f : formats_)
        if (f->Active)
            result.push_back(f.get());
    return result;
}

} // namespace zamt
