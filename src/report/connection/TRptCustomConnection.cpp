#include "report/connection/TRptCustomConnection.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "report/common/RptSameText.h"
#include "report/connection/RptConnectionRegistry.h"

namespace zamt {
namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

bool sameUnderLocale(const std::string& a, const std::string& b) {
    return a == b || QString::localeAwareCompare(fromCp1251(a), fromCp1251(b)) == 0;
}

} // namespace

TRptCustomConnection::TRptCustomConnection(std::string name) : name_(std::move(name)) {
    RptConnectionRegistry::add(this);
}

TRptCustomConnection::~TRptCustomConnection() {
    RptConnectionRegistry::remove(this);
}

std::string TRptCustomConnection::aliasOf(const std::string& name) const {
    for (const std::string& entry : FieldAliasList) {
        const auto equals = entry.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string_view entryView = entry;
        if (rptSameText(trimmed(entryView.substr(0, equals)), name))
            return std::string(trimmed(entryView.substr(equals + 1)));
    }
    return name;
}

void TRptCustomConnection::DeclareColumn(const std::string& name, TRptDataType type, int32_t width,
                                         const std::string& fullName,
                                         const std::string& description) {
    RptColumnDef column;
    column.name = name;
    column.sentName = aliasOf(name);
    column.type = type;
    column.position = column.included() ? includedCount_++ : -1;
    column.width = width;
    column.fullName = fullName;
    column.description = description;
    columns_.push_back(std::move(column));
}

void TRptCustomConnection::WriteStringValue(const std::string& displayText,
                                            const std::string& nativeText) {
    const auto declared = static_cast<int32_t>(columns_.size());
    if (cursor_ >= declared)
        throw AppError(QStringLiteral("Attempt to write more fields than defined."));
    const RptColumnDef& column = columns_[static_cast<size_t>(cursor_)];
    if (column.included()) {
        if (rowPasses_ && !column.filterValue.empty() &&
            !sameUnderLocale(nativeText, column.filterValue))
            rowPasses_ = false;
        if (rowPasses_) {
            if (column.type != TRptDataType::dtString)
                throw AppError(
                    QStringLiteral(
                        "Attempt to write different data type than defined (Column %1/%2).")
                        .arg(cursor_ + 1)
                        .arg(declared));
            RptValue value{nativeText, std::nullopt};
            if (!displayText.empty() && displayText != nativeText)
                value.display = displayText;
            rowValues_.push_back(std::move(value));
        }
    }
    ++cursor_;
}

} // namespace zamt
