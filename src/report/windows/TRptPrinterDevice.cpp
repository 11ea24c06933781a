#include "report/windows/TRptPrinterDevice.h"

#include "platform/Dialogs.h"
#include "report/windows/CupsQueue.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace zamt {
namespace {

std::unique_ptr<TRptPrinterDevice>& current() {
    static std::unique_ptr<TRptPrinterDevice> device;
    return device;
}

int duplexMode(QPrinter::DuplexMode mode) {
    switch (mode) {
    case QPrinter::DuplexLongSide:
    case QPrinter::DuplexAuto:
        return RptDuplex::LongEdge;
    case QPrinter::DuplexShortSide:
        return RptDuplex::ShortEdge;
    default:
        return RptDuplex::None;
    }
}

// The paper source as the printer settings' bin code.
int paperBin(QPrinter::PaperSource source) {
    switch (source) {
    case QPrinter::Cassette:
        return 14;
    case QPrinter::FormSource:
        return 15;
    default:
        return source <= QPrinter::LargeCapacity ? int(source) + 1 : 7; // 7: automatic
    }
}

} // namespace

TRptPrinterDevice& TRptPrinterDevice::instance() {
    if (!current())
        current() = std::make_unique<TRptPrinterDevice>();
    return *current();
}

void TRptPrinterDevice::reset() {
    current().reset();
}

TRptPrinterDevice::TRptPrinterDevice() : printers_(QPrinterInfo::availablePrinterNames()) {
    if (printers_.isEmpty())
        return;
    const QString standard = QPrinterInfo::defaultPrinterName();
    if (!selectPrinter(standard))
        selectPrinter(printers_.constLast());
}

TRptPrinterDevice::~TRptPrinterDevice() = default;

bool TRptPrinterDevice::selectPrinter(const QString& name) {
    const int index = int(printers_.indexOf(name));
    if (name.isEmpty() || index < 0)
        return false;
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return false;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDuplex(info.defaultDuplexMode());
    printer_ = std::move(printer);
    index_ = index;
    learnQueue();
    return true;
}

void TRptPrinterDevice::learnQueue() {
    const QString name = printer_->printerName();
    driver_ = QPrinterInfo::printerInfo(name).makeAndModel();
    const CupsQueueInfo queue = cupsQueueInfo(name);
    port_ = queue.deviceUri;
    maxCopies_ = queue.maxCopies;
}

bool TRptPrinterDevice::valid() {
    return printer_ && printer_->isValid();
}

QString TRptPrinterDevice::deviceName() {
    return printer_ ? printer_->printerName() : QString();
}

QString TRptPrinterDevice::driverName() {
    return printer_ ? driver_ : QString();
}

QString TRptPrinterDevice::portName() {
    return printer_ ? port_ : QString();
}

int TRptPrinterDevice::maxCopies() {
    return printer_ ? maxCopies_ : 1;
}

int TRptPrinterDevice::copies() {
    return printer_ ? printer_->copyCount() : 1;
}

void TRptPrinterDevice::setCopies(int copies) {
    if (printer_ && copies > 0)
        printer_->setCopyCount(copies);
}

int TRptPrinterDevice::duplex() {
    return printer_ ? duplexMode(printer_->duplex()) : 0;
}

void TRptPrinterDevice::setDuplex(int mode) {
    if (!printer_)
        return;
    printer_->setDuplex(mode == RptDuplex::None        ? QPrinter::DuplexNone
                        : mode == RptDuplex::ShortEdge ? QPrinter::DuplexShortSide
                                                       : QPrinter::DuplexLongSide);
}

bool TRptPrinterDevice::collate() {
    return printer_ && printer_->collateCopies();
}

void TRptPrinterDevice::setCollate(bool collate) {
    if (printer_)
        printer_->setCollateCopies(collate);
}

RptDeviceMetrics TRptPrinterDevice::metrics(const RptPaper& paper, TOrientation orientation) {
    RptDeviceMetrics m;
    if (!printer_)
        return m;
    const bool landscape = orientation == TOrientation::poLandscape;
    // The paper's own size is given portrait; the report's is as laid out.
    const QSizeF portrait(std::min(paper.width, paper.height), std::max(paper.width, paper.height));
    const QPageSize size(portrait, QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
    printer_->setPageSize(size);
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPageLayout layout = printer_->pageLayout();
    layout.setUnits(QPageLayout::Inch);
    const QMarginsF margins = layout.minimumMargins();
    m.marginLeft = margins.left();
    m.marginRight = margins.right();
    m.marginTop = margins.top();
    m.marginBottom = margins.bottom();
    m.paperBin = paperBin(printer_->paperSource());
    m.copies = printer_->copyCount();
    m.paperSize = size.windowsId();
    const QSizeF mm = size.size(QPageSize::Millimeter);
    m.paperWidth = int(std::lround(mm.width() * 10));
    m.paperLength = int(std::lround(mm.height() * 10));
    return m;
}

bool TRptPrinterDevice::setupDialog(QWidget* parent) {
    if (!printer_)
        return false;
    if (!dialogs().printerSetup(parent, *printer_))
        return false;
    // The dialog may have switched the printer; keep its settings with it.
    index_ = int(printers_.indexOf(printer_->printerName()));
    if (index_ < 0) {
        printers_ = QPrinterInfo::availablePrinterNames();
        index_ = int(printers_.indexOf(printer_->printerName()));
    }
    learnQueue();
    return true;
}

} // namespace zamt
