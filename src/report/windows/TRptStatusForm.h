#pragma once
// The status window of a report run: counts the pages while they are
// generated, and then while they are printed or converted into a file, and
// offers "Cancel", which stops either. After "Ok" (a run waiting for the
// user) the button only closes the wait.
#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace Ui {
class TRptStatusForm;
}

namespace zamt {

class RptProgress;
class TRptStreamWriter;
class TRptSystem;

class TRptStatusForm : public QDialog {
    Q_OBJECT
public:
    explicit TRptStatusForm(QWidget* parent = nullptr);
    ~TRptStatusForm() override;

    QLabel* StatusLabel() const;
    QPushButton* CancelButton() const;

    TRptSystem* ReportSystem = nullptr;
    // The button's result: Rejected (Cancel) while generating, Accepted (OK)
    // while waiting.
    DialogCode ButtonResult = Rejected;
    bool ButtonPressed = false;

    // The writer, or the output's progress, puts its status text into
    // StatusLabel.
    void attach(TRptStreamWriter& writer);
    void attach(RptProgress& progress);
    void CancelButtonClick();

protected:
    void reject() override; // Esc presses the button
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void(const QString&)> labelSink();

    std::unique_ptr<Ui::TRptStatusForm> ui;
};

} // namespace zamt
