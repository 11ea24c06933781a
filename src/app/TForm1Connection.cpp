// The main window's side of the report: its data connection delivers the
// displayed lines of the text view as the rows of the column "StrField".
#include "app/DisplayedLines.h"
#include "app/TForm1.h"
#include "platform/CodePage.h"
#include "ui_TForm1.h"

#include <limits>

namespace zamt {

void TForm1::setUpConnection() {
    memoLines_ = std::make_unique<DisplayedLines>(ui->Memo->document());
    RptCustomConnection1.RuntimeVisibility = TRuntimeVisibility::rtDeveloper;
    RptCustomConnection1.OnOpen = [this](TRptCustomConnection& c) { ConnectionOpen(c); };
    RptCustomConnection1.OnGetCols = [this](TRptCustomConnection& c) { ConnectionGetCols(c); };
    RptCustomConnection1.OnGetRow = [this](TRptCustomConnection& c) { ConnectionGetRow(c); };
}

// The lines as the text view shows them now: an edit or a resize since the
// last question is seen, and otherwise the index is reused as it stands.
DisplayedLines& TForm1::memoLines() {
    memoLines_->update(ui->Memo->viewport()->width());
    return *memoLines_;
}

void TForm1::ConnectionOpen(TRptCustomConnection& connection) {
    connection.RowCount = memoLines().count();
    rowCounter_ = 0;
}

void TForm1::ConnectionGetCols(TRptCustomConnection& connection) {
    connection.DeclareColumn("StrField", TRptDataType::dtString, 120, "StrField", "");
}

void TForm1::ConnectionGetRow(TRptCustomConnection& connection) {
    const DisplayedLines& lines = memoLines();
    if (rowCounter_ < lines.count())
        connection.WriteStringValue("", toCp1251(lines.text(rowCounter_)));
    if (rowCounter_ < std::numeric_limits<int32_t>::max())
        ++rowCounter_;
}

} // namespace zamt
