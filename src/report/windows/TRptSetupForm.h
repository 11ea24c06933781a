#pragma once
// The print set-up window ("Output Options"): preview, printer or file, the
// file's format, copies, collation and duplex. Shown by a report run
// (normal mode), and by the preview's Print in print-from-preview mode,
// where a page range takes the place of the destination:
//
//   TRptSetupForm setup;
//   setup.setWindowTitle(rptTranslate(system.TitleSetup));
//   setup.ReportSystem = &system;
//   setup.PreviewSetup = true;
//   setup.RenderPrinter = &printer;            // receives range, copies, collate, duplex
//   if (setup.exec() == QDialog::Accepted) printer.print();
#include "platform/Dialogs.h"
#include "report/system/RptFormatTable.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TRptSetupForm;
}

namespace zamt {

class KeyPressRouter;
class TRptRenderPrinter;
class TRptSystem;

class TRptSetupForm : public QDialog {
    Q_OBJECT
public:
    explicit TRptSetupForm(QWidget* parent = nullptr);
    ~TRptSetupForm() override;

    TRptSystem* ReportSystem = nullptr;
    bool PreviewSetup = false;
    TRptRenderPrinter* RenderPrinter = nullptr;

    // The save dialog's filter and filter index (from 1), as the window
    // keeps them.
    QString saveFilter() const { return formats_.filter(RptFormatUse::Setup); }
    int saveFilterIndex() const { return saveFilterIndex_; }

    // Handlers.
    void FormShow();
    void PrinterRBClick();
    void PreviewRBClick();
    void FileRBClick();
    void editFileNameChange();
    void FileNameSBClick();
    void cboxFormatChange();
    void AllRBClick();
    void SelectionRBChecked();
    void PagesRBChecked();
    void SetupBBClick();
    void bbtnOKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void destinationChosen(bool printer);
    void refreshPrinterLine();
    void fillFormats();
    const RptOutputFormat& chosenFormat() const;
    void showDestinations(bool validPrinter);
    void limitOptions(bool validPrinter);
    void focusCheckedChoice();
    // Tells why the typed page range prints nothing; false when it prints.
    bool refusesPageRange();
    void storeInRenderer();
    void storeInSystem();
    void storeOptions();
    void setFileControlsEnabled(bool enabled);
    void updateOkForFileName();

    std::unique_ptr<Ui::TRptSetupForm> ui;
    KeyPressRouter* keys_;
    // The formats as the list was last filled; its items are in this order.
    RptFormatTable formats_;
    int saveFilterIndex_ = 1;
};

} // namespace zamt
