#pragma once
// The main window: menu, picture panel, text view and the two buttons.
#include "platform/Dialogs.h"

#include <QMainWindow>
#include <memory>

namespace Ui {
class TForm1;
}

namespace zamt {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    // The report project's file, a full path fixed at creation.
    const QString& projectFile() const { return projectFile_; }

    void geometr1Click();
    void About1Click();
    void thten1Click();
    void Button1Click();
    void N1Click();
    void btRunClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void layOutClientArea();

    std::unique_ptr<Ui::TForm1> ui;
    OpenFileRequest OpenDialog1;
    QString projectFile_;
};

} // namespace zamt
