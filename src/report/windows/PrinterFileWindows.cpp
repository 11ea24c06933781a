// On Windows the printer's own output is what its driver makes: the job is
// painted onto the printer with the file as its port.
#include "platform/AppError.h"
#include "platform/FileReplacement.h"
#include "report/common/RptTranslate.h"
#include "report/windows/PainterPages.h"
#include "report/windows/TRptPrinterDevice.h"

#include <QFile>
#include <QPrinter>
#include <algorithm>

namespace zamt {
namespace {

// PostScript and PDF output ends in its end-of-file mark; one that does not
// was cut short (the printer tells no write error).
bool complete(const QString& output) {
    QFile written(output);
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = written.size();
    written.seek(std::max<qint64>(0, size - 64));
    return size > 0 && written.read(64).contains("%%EOF");
}

class DriverFilePages : public PainterPages {
public:
    DriverFilePages(TRptPrinterDevice& device, const RptStreamHeader& header, FileReplacement& file)
        : PainterPages(device, header), file_(file) {}

    void finish() override {
        if (!begun())
            return;
        PainterPages::finish();
        if (file_.mode() != FileReplacement::Mode::Stream && !complete(file_.writePath()))
            file_.fail(file_.shortfallError());
        if (!file_.commit())
            throw AppError(file_.errorMessage(rptTranslate));
    }

private:
    FileReplacement& file_;
};

} // namespace

std::unique_ptr<PrinterPages>
printerFilePages(TRptPrinterDevice& device, const RptStreamHeader& header, FileReplacement& file) {
    // The printer writes its output by name into the file that replaces
    // the target once complete.
    device.printer()->setOutputFileName(file.writePath());
    return std::make_unique<DriverFilePages>(device, header, file);
}

} // namespace zamt
