// How a connection answers the requests of a data view.
#include "platform/AppError.h"
#include "report/common/RptSameText.h"
#include "report/connection/RptColumnTexts.h"
#include "report/connection/TRptCustomConnection.h"

#include <limits>

namespace zamt {

RptAnswer TRptCustomConnection::answer(const RptRequest& request) {
    switch (request.code) {
    case RptRequestCode::First:
        return first();
    case RptRequestCode::Next:
        return next();
    case RptRequestCode::EndOfData:
        return RptEndOfDataAnswer{endOfData()};
    case RptRequestCode::GetCols:
        return getColumns();
    case RptRequestCode::GetRow:
        return deliverCurrentRow();
    case RptRequestCode::SetFilter:
        setFilter(request.filter);
        return RptNoAnswer{};
    case RptRequestCode::GetSorts:
        return RptSortsAnswer{OnGetSorts ? OnGetSorts(*this) : std::vector<std::string>{}};
    case RptRequestCode::SetSort:
        if (OnSetSort)
            OnSetSort(*this, request.sort);
        return RptNoAnswer{};
    case RptRequestCode::Open:
        if (OnOpen) {
            OnOpen(*this);
        } else {
            RowCount = 1;
            RowIndex = 0;
        }
        return RptNoAnswer{};
    case RptRequestCode::Restore:
        if (OnRestore)
            OnRestore(*this);
        return RptNoAnswer{};
    }
    throw AppError(QStringLiteral("Unknown data connection request %1")
                       .arg(static_cast<int32_t>(request.code)));
}

bool TRptCustomConnection::endOfData() {
    return OnEOF ? OnEOF(*this) : RowIndex >= RowCount;
}

bool TRptCustomConnection::rowValid() {
    return rowPasses_ && (!OnValidateRow || OnValidateRow(*this));
}

RptRowAnswer TRptCustomConnection::deliverCurrentRow() {
    if (endOfData())
        return {};
    cursor_ = 0;
    rowPasses_ = true;
    rowValues_.clear();
    if (OnGetRow)
        OnGetRow(*this);
    return {RptRowMark::RowFollows, std::move(rowValues_)};
}

RptRowAnswer TRptCustomConnection::first() {
    if (OnFirst)
        OnFirst(*this);
    else
        RowIndex = 0;
    RptRowAnswer row = deliverCurrentRow();
    if (row.mark == RptRowMark::RowFollows && !rowValid())
        return next();
    return row;
}

RptRowAnswer TRptCustomConnection::next() {
    while (true) {
        if (OnNext)
            OnNext(*this);
        else if (RowIndex < std::numeric_limits<int32_t>::max())
            ++RowIndex; // the largest index is past every row, so the walk ends there
        RptRowAnswer row = deliverCurrentRow();
        if (row.mark == RptRowMark::EndOfData || rowValid())
            return row;
    }
}

RptColumnsAnswer TRptCustomConnection::getColumns() {
    columns_.clear();
    includedCount_ = 0;
    if (OnGetCols)
        OnGetCols(*this);
    RptColumnsAnswer answer{includedCount_, {}};
    for (const RptColumnDef& column : columns_)
        if (column.included())
            appendColumnTexts(column, answer.texts);
    return answer;
}

void TRptCustomConnection::setFilter(const std::vector<RptFilterItem>& filter) {
    if (OnSetFilter) {
        OnSetFilter(*this, filter);
        return;
    }
    if (!LocalFilter)
        return;
    for (RptColumnDef& column : columns_)
        column.filterValue.clear();
    for (const RptFilterItem& item : filter)
        storeFilterValue(item);
}

void TRptCustomConnection::storeFilterValue(const RptFilterItem& item) {
    for (RptColumnDef& column : columns_) {
        if (column.type == item.type && rptSameText(column.name, item.column)) {
            column.filterValue = item.value;
            return;
        }
    }
}

} // namespace zamt
