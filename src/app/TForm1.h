#pragma once
// The main window: menu, picture panel, text view and the two buttons.
#include "platform/Dialogs.h"
#include "report/connection/TRptCustomConnection.h"
#include "report/project/TRptProject.h"

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>

namespace Ui {
class TForm1;
}

namespace zamt {

class DisplayedLines;
class TRptSystem;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    void geometr1Click();
    void About1Click();
    void thten1Click();
    void Button1Click();
    void N1Click();
    void btRunClick();
    // What "создание отчета" and then "файл" do for a file given at start-up:
    // the text view uncovered and the file loaded into it.
    void openAtStart(const QString& path);
    // "отчет": the active report over the text view's lines. `prepare` sees
    // the run's report system before it executes (rptRunReport).
    void runReport(const std::function<void(TRptSystem&)>& prepare = {});

    // The report project; its file becomes a full path at creation.
    TRptProject RptProject1;
    // The report's data connection: one string column "StrField", one row
    // per displayed line of the text view (TForm1Connection.cpp).
    TRptCustomConnection RptCustomConnection1{"RptCustomConnection1"};
    void ConnectionOpen(TRptCustomConnection& connection);
    void ConnectionGetCols(TRptCustomConnection& connection);
    void ConnectionGetRow(TRptCustomConnection& connection);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void layOutClientArea();
    void setUpConnection();
    DisplayedLines& memoLines();
    void loadText(const QString& path);

    std::unique_ptr<Ui::TForm1> ui;
    OpenFileRequest OpenDialog1;
    std::unique_ptr<DisplayedLines> memoLines_;
    int32_t rowCounter_ = 0; // the next line of the text view to deliver
};

} // namespace zamt
