#include "report/connection/RptDataViewCursor.h"

#include "platform/CodePage.h"
#include "platform/MessageBoxes.h"
#include "report/common/RptSameText.h"
#include "report/connection/RptConnectionRegistry.h"
#include "report/connection/RptRunAborted.h"
#include "report/connection/TRptCustomConnection.h"

#include <stdexcept>

namespace zamt {

RptDataViewCursor::RptDataViewCursor(std::string connectionName, std::vector<RptField> fields)
    : connectionName_(std::move(connectionName)), fields_(std::move(fields)),
      valuePosition_(fields_.size(), -1) {}

RptDataViewCursor::~RptDataViewCursor() {
    try {
        restore();
    } catch (...) {
        // The run is over; a failing restore has nothing left to stop.
    }
}

RptAnswer RptDataViewCursor::exchange(RptRequest request) {
    if (!connection_)
        throw std::logic_error("data view is not open");
    RptAnswer answer = connection_->answer(request);
    if (onExchange)
        onExchange(request, answer);
    return answer;
}

template <class Answer> Answer RptDataViewCursor::exchangeFor(RptRequest request) {
    RptAnswer answer = exchange(std::move(request));
    if (Answer* typed = std::get_if<Answer>(&answer))
        return std::move(*typed);
    return Answer{};
}

void RptDataViewCursor::open() {
    TRptCustomConnection* connection = RptConnectionRegistry::find(connectionName_);
    if (!connection) {
        // Nobody outside the program can answer, so there is nothing to wait for.
        messageBoxes().show(
            {BoxKind::Error, kAppTitle,
             QStringLiteral("Error!  Could not open data connection \"%1\".  Aborting report.")
                 .arg(fromCp1251(connectionName_))});
        throw RptRunAborted();
    }
    connection_ = connection;
    restored_ = false;
    exchange({RptRequestCode::Open, {}, {}});
    const auto columns = exchangeFor<RptColumnsAnswer>({RptRequestCode::GetCols, {}, {}});
    received_ = parseColumnTexts(columns.count, columns.texts);
    bindColumns();
}

void RptDataViewCursor::bindColumns() {
    dropped_ = false;
    valuePosition_.assign(fields_.size(), -1);
    for (size_t position = 0; position < received_.size(); ++position) {
        const int field = fieldIndex(received_[position].name);
        if (field < 0)
            continue;
        if (received_[position].type != fields_[static_cast<size_t>(field)].type) {
            dropped_ = true;
            valuePosition_.assign(fields_.size(), -1);
            return;
        }
        int& bound = valuePosition_[static_cast<size_t>(field)];
        if (bound < 0)
            bound = static_cast<int>(position);
    }
}

void RptDataViewCursor::setFilter(std::vector<RptFilterItem> filter) {
    exchange({RptRequestCode::SetFilter, std::move(filter), {}});
}

void RptDataViewCursor::setSort(std::vector<std::string> sort) {
    exchange({RptRequestCode::SetSort, {}, std::move(sort)});
}

std::vector<std::string> RptDataViewCursor::sorts() {
    return exchangeFor<RptSortsAnswer>({RptRequestCode::GetSorts, {}, {}}).sorts;
}

bool RptDataViewCursor::takeRow(RptRowAnswer row) {
    row_ = std::move(row.values);
    return row.mark == RptRowMark::RowFollows;
}

bool RptDataViewCursor::first() {
    return takeRow(exchangeFor<RptRowAnswer>({RptRequestCode::First, {}, {}}));
}

bool RptDataViewCursor::next() {
    return takeRow(exchangeFor<RptRowAnswer>({RptRequestCode::Next, {}, {}}));
}

bool RptDataViewCursor::endOfData() {
    return exchangeFor<RptEndOfDataAnswer>({RptRequestCode::EndOfData, {}, {}}).endOfData;
}

void RptDataViewCursor::restore() {
    if (!connection_ || restored_)
        return;
    restored_ = true;
    exchange({RptRequestCode::Restore, {}, {}});
}

int RptDataViewCursor::fieldIndex(std::string_view name) const {
    for (size_t i = 0; i < fields_.size(); ++i)
        if (rptSameText(fields_[i].name, name))
            return static_cast<int>(i);
    return -1;
}

const RptValue* RptDataViewCursor::value(int fieldIndex) const {
    if (fieldIndex < 0 || static_cast<size_t>(fieldIndex) >= fields_.size())
        return nullptr;
    const int position = valuePosition_[static_cast<size_t>(fieldIndex)];
    if (position < 0 || static_cast<size_t>(position) >= row_.size())
        return nullptr;
    return &row_[static_cast<size_t>(position)];
}

const RptValue* RptDataViewCursor::value(std::string_view fieldName) const {
    return value(fieldIndex(fieldName));
}

const std::string& RptDataViewCursor::text(int fieldIndex) const {
    static const std::string none;
    const RptValue* v = value(fieldIndex);
    if (!v)
        return none;
    return v->display ? *v->display : v->native;
}

} // namespace zamt
