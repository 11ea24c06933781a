#pragma once
// A report data connection: the program feeds rows through its handlers, a
// report's data view asks for them with requests (RptRequest.h), which
// answer() serves on the caller's thread (the user-interface thread).
//
// Every connection registers by name with the engine-wide registry while it
// lives (RptConnectionRegistry.h). It is reached in-process only:
// RuntimeVisibility is kept for report authors and starts nothing.
#include "report/connection/RptColumnDef.h"
#include "report/connection/RptRequest.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zamt {

enum class TRuntimeVisibility { rtNone, rtDeveloper, rtEndUser };

class TRptCustomConnection {
public:
    using Handler = std::function<void(TRptCustomConnection&)>;
    using Check = std::function<bool(TRptCustomConnection&)>;

    explicit TRptCustomConnection(std::string name);
    ~TRptCustomConnection();
    TRptCustomConnection(const TRptCustomConnection&) = delete;
    TRptCustomConnection& operator=(const TRptCustomConnection&) = delete;

    const std::string& name() const { return name_; }

    TRuntimeVisibility RuntimeVisibility = TRuntimeVisibility::rtNone;
    // Whether set filter keeps the filter here and rows are compared against it.
    bool LocalFilter = true;
    // Entries "column=alias"; an empty alias leaves the column out of the
    // columns sent.
    std::vector<std::string> FieldAliasList;

    // The current row position and the number of rows, for handlers to set.
    int32_t RowCount = 0;
    int32_t RowIndex = 0;

    // Handlers; where one is not assigned, its default applies:
    // OnOpen: RowCount := 1, RowIndex := 0. OnFirst: RowIndex := 0.
    // OnNext: RowIndex := RowIndex + 1. OnEOF: RowIndex >= RowCount.
    // OnValidateRow: every row is valid. OnSetFilter: with LocalFilter, the
    // filter values are replaced by the received ones. OnGetSorts: no sorts.
    // OnGetCols, OnGetRow, OnSetSort, OnRestore: nothing.
    Handler OnOpen;
    Handler OnGetCols;
    Handler OnGetRow;
    Handler OnFirst;
    Handler OnNext;
    Check OnEOF;
    Check OnValidateRow;
    std::function<void(TRptCustomConnection&, const std::vector<RptFilterItem>&)> OnSetFilter;
    std::function<std::vector<std::string>(TRptCustomConnection&)> OnGetSorts;
    std::function<void(TRptCustomConnection&, const std::vector<std::string>&)> OnSetSort;
    Handler OnRestore;

    // Serves one request of a data view. Errors of handlers and of
    // WriteStringValue propagate to the caller.
    RptAnswer answer(const RptRequest& request);

    // For OnGetCols: appends a column, its name after alias lookup.
    void DeclareColumn(const std::string& name, TRptDataType type, int32_t width,
                       const std::string& fullName, const std::string& description);
    // For OnGetRow: the value of the column under the column cursor, which
    // moves on by one. Raises "Attempt to write more fields than defined."
    // past the last column, and "Attempt to write different data type than
    // defined (Column n/m)." for a column that is not a string column.
    void WriteStringValue(const std::string& displayText, const std::string& nativeText);

    const std::vector<RptColumnDef>& columns() const { return columns_; }
    // The index of the column the next written value belongs to.
    int32_t columnCursor() const { return cursor_; }

private:
    RptRowAnswer first();
    RptRowAnswer next();
    RptRowAnswer deliverCurrentRow();
    bool endOfData();
    bool rowValid();
    RptColumnsAnswer getColumns();
    void setFilter(const std::vector<RptFilterItem>& filter);
    void storeFilterValue(const RptFilterItem& item);
    std::string aliasOf(const std::string& name) const;

    std::string name_;
    std::vector<RptColumnDef> columns_;
    int32_t includedCount_ = 0;
    int32_t cursor_ = 0;
    bool rowPasses_ = true;
    std::vector<RptValue> rowValues_;
};

} // namespace zamt
