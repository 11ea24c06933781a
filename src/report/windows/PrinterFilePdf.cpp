// With CUPS the printer's own output is a PDF document of the printer's
// paper, drawn from the margins of its printable area. The program's PDF
// writer makes it straight into the file, much faster than painting it
// through Qt's printing.
#include "platform/AppError.h"
#include "platform/FileReplacement.h"
#include "report/common/RptTranslate.h"
#include "report/pdf/PdfCanvas.h"
#include "report/windows/PrinterPages.h"
#include "report/windows/TRptPrinterDevice.h"

#include <QPrinter>

namespace zamt {
namespace {

RptTransform printerTransform(const QPrinter& printer, const RptStreamHeader& header) {
    RptTransform transform =
        RptTransform::printer(PdfDocument::kUnitsPerInch, PdfDocument::kUnitsPerInch,
                              header.marginLeft, header.marginTop);
    if (!printer.fullPage()) {
        const QPoint origin =
            printer.pageLayout().paintRectPixels(PdfDocument::kUnitsPerInch).topLeft();
        transform.offsetX = origin.x();
        transform.offsetY = origin.y();
    }
    return transform;
}

class PdfFilePages : public PrinterPages {
public:
    PdfFilePages(const QPrinter& printer, const RptStreamHeader& header, FileReplacement& file)
        : file_(file), document_(*file.device()),
          canvas_(document_, printerTransform(printer, header)),
          paper_(printer.pageLayout().fullRect(QPageLayout::Millimeter).size() / 25.4),
          title_(printer.docName()) {}

    void page(TRptStreamReader& reader, int index) override {
        canvas_.addPage(reader, index, paper_);
    }

    void finish() override {
        if (document_.pageCount() == 0)
            return;
        document_.finish(title_);
        if (!file_.commit())
            throw AppError(file_.errorMessage(rptTranslate));
    }

    void abort() override {} // the file's owner discards it

private:
    FileReplacement& file_;
    PdfDocument document_;
    PdfCanvas canvas_;
    QSizeF paper_;
    QString title_;
};

} // namespace

std::unique_ptr<PrinterPages>
printerFilePages(TRptPrinterDevice& device, const RptStreamHeader& header, FileReplacement& file) {
    return std::make_unique<PdfFilePages>(*device.printer(), header, file);
}

} // namespace zamt
