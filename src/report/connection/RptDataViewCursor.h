#pragma once
// The report engine's side of a data view: it reaches the view's data
// connection by name, receives its columns, binds them to the view's own
// fields and walks the rows. Requests go out in the order open, get
// columns, [set filter], [set sort], first, next... and restore at the end
// of the run (restore() or the destructor).
#include "report/common/RptField.h"
#include "report/connection/RptColumnTexts.h"
#include "report/connection/RptRequest.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zamt {

class TRptCustomConnection;

class RptDataViewCursor {
public:
    // The connection must outlive the cursor (the program's connections live
    // as long as their windows).
    RptDataViewCursor(std::string connectionName, std::vector<RptField> fields);
    // Sends restore when the view was opened and not yet restored; errors of
    // that last request are dropped.
    ~RptDataViewCursor();
    RptDataViewCursor(const RptDataViewCursor&) = delete;
    RptDataViewCursor& operator=(const RptDataViewCursor&) = delete;

    // Open and get columns. When no connection has the view's connection
    // name, shows the error box "Error!  Could not open data connection
    // "<name>".  Aborting report." and throws RptRunAborted. A received
    // column of the name of a field but of another type drops every
    // received column for this run, without a message: rows then carry no
    // values.
    void open();
    // After open, before first.
    void setFilter(std::vector<RptFilterItem> filter);
    void setSort(std::vector<std::string> sort);
    std::vector<std::string> sorts();

    // Whether a row follows; its values become the current ones.
    bool first();
    bool next();
    // Asks the connection whether the end of the data is reached.
    bool endOfData();
    void restore();

    // The index of the view's field of that name (without regard to case),
    // or -1.
    int fieldIndex(std::string_view name) const;
    // The field's value in the current row, or nullptr when it has none.
    const RptValue* value(int fieldIndex) const;
    const RptValue* value(std::string_view fieldName) const;
    // The text to print: the display text when there is one, else the native
    // text; empty without a value.
    const std::string& text(int fieldIndex) const; // valid until the row changes

    const std::vector<RptReceivedColumn>& receivedColumns() const { return received_; }
    bool columnsDropped() const { return dropped_; }
    bool isOpen() const { return connection_ != nullptr; }

    // Sees every request and its answer, e.g. to trace a run.
    std::function<void(const RptRequest&, const RptAnswer&)> onExchange;

private:
    RptAnswer exchange(RptRequest request);
    template <class Answer> Answer exchangeFor(RptRequest request);
    bool takeRow(RptRowAnswer row);
    void bindColumns();

    std::string connectionName_;
    std::vector<RptField> fields_;
    TRptCustomConnection* connection_ = nullptr;
    bool restored_ = false;
    std::vector<RptReceivedColumn> received_;
    bool dropped_ = false;
    std::vector<int> valuePosition_; // per field: its value's index in a row, or -1
    std::vector<RptValue> row_;
};

} // namespace zamt
