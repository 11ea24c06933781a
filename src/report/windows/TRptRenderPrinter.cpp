#include "report/windows/TRptRenderPrinter.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/FileReplacement.h"
#include "report/common/RptTranslate.h"
#include "report/stream/RptPageRange.h"
#include "report/stream/RptProgress.h"
#include "report/stream/TRptStreamReader.h"
#include "report/windows/CupsQueue.h"
#include "report/windows/PrinterPages.h"
#include "report/windows/TRptPrinterDevice.h"

#include <QPrinter>
#include <optional>

namespace zamt {
namespace {

// The printer's settings that one job changes, put back afterwards so the
// printer keeps the user's choice for later runs.
class JobSettings {
public:
    explicit JobSettings(QPrinter& printer)
        : printer_(printer), copies_(printer.copyCount()), collate_(printer.collateCopies()),
          duplex_(printer.duplex()), outputFile_(printer.outputFileName()) {}
    ~JobSettings() {
        printer_.setOutputFileName(outputFile_);
        printer_.setCopyCount(copies_);
        printer_.setCollateCopies(collate_);
        printer_.setDuplex(duplex_);
    }

private:
    QPrinter& printer_;
    int copies_;
    bool collate_;
    QPrinter::DuplexMode duplex_;
    QString outputFile_;
};

} // namespace

TRptRenderPrinter::TRptRenderPrinter() : TRptRenderPrinter(TRptPrinterDevice::instance()) {}

TRptRenderPrinter::TRptRenderPrinter(TRptPrinterDevice& device) : device_(device) {
    Copies = device.copies();
    Collate = device.collate();
    Duplex = device.duplex();
}

void TRptRenderPrinter::setStream(QIODevice* stream, int pageCount) {
    stream_ = stream;
    pageCount_ = pageCount;
}

int TRptRenderPrinter::pageCount() const {
    if (!stream_ || !stream_->isReadable())
        return pageCount_;
    const qint64 position = stream_->pos();
    try {
        TRptStreamReader reader(stream_);
        const int count = reader.readHeader().pageCount;
        stream_->seek(position);
        return count;
    } catch (const AppError&) {
        stream_->seek(position);
        return pageCount_;
    }
}

bool TRptRenderPrinter::repeatsCopies() const {
    return device_.maxCopies() <= 1 && Copies > 1;
}

void TRptRenderPrinter::print() {
    if (!stream_)
        throw AppError(rptTranslate(QStringLiteral("There is no page stream to print.")));
    if (!device_.valid())
        invalidPrinter(device_);
    const bool repeat = repeatsCopies();
    const int times = repeat ? Copies : 1;
    const int copies = repeat ? 1 : Copies;
    if (!OutputFileName.isEmpty()) {
        printJob(copies, times);
        return;
    }
    // A printer that went away since it was chosen would swallow the job.
    if (!cupsQueueInfo(device_.deviceName()).found)
        invalidPrinter(device_);
    for (int i = 0; i < times; ++i)
        printJob(copies, 1);
}

void TRptRenderPrinter::printJob(int copies, int repeats) {
    QPrinter& printer = *device_.printer();
    JobSettings restore(printer);
    stream_->seek(0);
    TRptStreamReader reader(stream_);
    const RptStreamHeader header = reader.readHeader();
    device_.metrics({header.paperWidth, header.paperHeight},
                    header.orientation == 1 ? TOrientation::poLandscape : TOrientation::poPortrait);
    if (copies > 0)
        printer.setCopyCount(copies);
    printer.setCollateCopies(Collate);
    device_.setDuplex(Duplex);
    printer.setDocName(fromCp1251(header.title));
    printer.setFullPage(false);
    std::optional<FileReplacement> file;
    std::unique_ptr<PrinterPages> pages;
    if (!OutputFileName.isEmpty()) {
        file.emplace(OutputFileName);
        if (!file->open())
            throw AppError(file->errorMessage(rptTranslate));
        pages = printerFilePages(device_, header, *file);
    } else {
        pages = printerPages(device_, header);
    }

    const RptPageRange range(FirstPage, LastPage, Selection);
    try {
        for (int copy = 0; copy < repeats; ++copy) {
            for (int page = 1; page <= header.pageCount; ++page) {
                if (!range.contains(page))
                    continue;
                if (Progress)
                    Progress->page(page);
                pages->page(reader, page);
            }
        }
    } catch (...) {
        // A job cut short by an error is dropped, not printed in part.
        pages->abort();
        throw;
    }
    pages->finish();
}

} // namespace zamt
