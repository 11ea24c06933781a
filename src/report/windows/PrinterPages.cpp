#include "report/windows/PrinterPages.h"

#include "platform/AppError.h"
#include "report/common/RptTranslate.h"
#include "report/stream/RptPaintPage.h"
#include "report/stream/TRptRenderCanvas.h"
#include "report/windows/PainterPages.h"
#include "report/windows/TRptPrinterDevice.h"

#include <QPrinter>

namespace zamt {

void invalidPrinter(TRptPrinterDevice& device) {
    throw AppError(rptTranslate(QStringLiteral("Invalid Printer - %1 on %2 (%3)"))
                       .arg(device.deviceName(), device.portName(), device.driverName()));
}

PainterPages::PainterPages(TRptPrinterDevice& device, const RptStreamHeader& header)
    : device_(device), printer_(*device.printer()),
      canvas_(painter_, RptTransform::printer(printer_.logicalDpiX(), printer_.logicalDpiY(),
                                              header.marginLeft, header.marginTop)) {}

void PainterPages::page(TRptStreamReader& reader, int index) {
    if (!painter_.isActive()) {
        if (!painter_.begin(&printer_))
            invalidPrinter(device_);
    } else if (!printer_.newPage()) {
        invalidPrinter(device_);
    }
    rptPaintPage(reader, index, canvas_);
}

void PainterPages::finish() {
    if (painter_.isActive())
        painter_.end();
}

void PainterPages::abort() {
    if (painter_.isActive())
        printer_.abort();
}

std::unique_ptr<PrinterPages> printerPages(TRptPrinterDevice& device,
                                           const RptStreamHeader& header) {
    device.printer()->setOutputFileName(QString());
    return std::make_unique<PainterPages>(device, header);
}

} // namespace zamt
