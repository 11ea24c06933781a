#pragma once
// The program-wide printer device: the installed printers (CUPS queues), the
// selected printer and its settings (copies, collation, duplex, paper),
// which stay with it between report runs. Created on first use; the first
// printer selected is the system's default printer, or the last printer
// when the default is not installed.
#include "report/system/RptOutputDevice.h"

#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;
class QWidget;

namespace zamt {

class TRptPrinterDevice : public RptPrinter {
public:
    static TRptPrinterDevice& instance();
    // Forgets the device; the next use creates it anew from the printers
    // installed then.
    static void reset();

    TRptPrinterDevice();
    ~TRptPrinterDevice() override;

    // The installed printers, as the device found them.
    const QStringList& printers() const { return printers_; }
    // The selected printer's index in printers(), -1 for none.
    int printerIndex() const { return index_; }
    // Selects a printer of the list with fresh settings; false when it is
    // not in the list.
    bool selectPrinter(const QString& name);

    bool valid() override;
    QString deviceName() override;
    // The printer's make and model, as CUPS names its driver.
    QString driverName() override;
    // The printer's device address (CUPS "device-uri"), empty when unknown.
    QString portName() override;
    int maxCopies() override;
    int copies() override;
    void setCopies(int copies) override;
    int duplex() override;
    void setDuplex(int mode);
    bool collate();
    void setCollate(bool collate);
    // Puts the report's paper into the printer's settings and reports its
    // unprintable margins and codes.
    RptDeviceMetrics metrics(const RptPaper& paper, TOrientation orientation) override;

    // The printer set-up dialog (through the Dialogs service) for the
    // selected printer; on OK the printer chosen there, with its settings,
    // becomes the selection. True on OK.
    bool setupDialog(QWidget* parent);

    // The selected printer with its settings; null without a valid printer.
    QPrinter* printer() { return printer_.get(); }

private:
    void learnQueue();

    QStringList printers_;
    int index_ = -1;
    // Of the selected queue, as the server told when it was selected.
    QString driver_;
    QString port_;
    int maxCopies_ = 1;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace zamt
