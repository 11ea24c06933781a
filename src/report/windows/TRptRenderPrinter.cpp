#include "report/windows/TRptRenderPrinter.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/FileReplacement.h"
#include "report/common/RptTranslate.h"
#include "report/stream/RptPageRange.h"
#include "report/stream/RptPaintPage.h"
#include "report/stream/RptProgress.h"
#include "report/stream/TRptRenderCanvas.h"
#include "report/stream/TRptStreamReader.h"
#include "report/windows/CupsQueue.h"
#include "report/windows/TRptPrinterDevice.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <optional>

namespace zamt {
namespace {

[[noreturn]] void invalidPrinter(TRptPrinterDevice& device) {
    throw AppError(rptTranslate(QStringLiteral("Invalid Printer - %1 on %2 (%3)"))
                       .arg(device.deviceName(), device.portName(), device.driverName()));
}

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

// The printer's output is a PDF document; one that does not end in its
// end-of-file mark was cut short (QPrinter tells no write error).
bool complete(const QString& output) {
    QFile written(output);
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = written.size();
    written.seek(std::max<qint64>(0, size - 64));
    return size > 0 && written.read(64).contains("%%EOF");
}

// The printer writes its output by name into the file that replaces the
// target once complete, so a failure leaves no half-written file.
void commitOutput(FileReplacement& file) {
    if (file.mode() != FileReplacement::Mode::Stream && !complete(file.writePath()))
        file.fail(file.shortfallError());
    if (!file.commit())
        throw AppError(file.errorMessage(rptTranslate));
}

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
    if (!OutputFileName.isEmpty()) {
        file.emplace(OutputFileName);
        if (!file->open())
            throw AppError(file->errorMessage(rptTranslate));
        printer.setOutputFileName(file->writePath());
    } else {
        printer.setOutputFileName(QString());
    }

    QPainter painter;
    TRptRenderCanvas canvas(painter,
                            RptTransform::printer(printer.logicalDpiX(), printer.logicalDpiY(),
                                                  header.marginLeft, header.marginTop));
    const RptPageRange range(FirstPage, LastPage, Selection);
    bool begun = false;
    try {
        for (int copy = 0; copy < repeats; ++copy) {
            for (int page = 1; page <= header.pageCount; ++page) {
                if (!range.contains(page))
                    continue;
                if (!begun) {
                    if (!painter.begin(&printer))
                        invalidPrinter(device_);
                    begun = true;
                } else if (!printer.newPage()) {
                    invalidPrinter(device_);
                }
                if (Progress)
                    Progress->page(page);
                rptPaintPage(reader, page, canvas);
            }
        }
    } catch (...) {
        // A job cut short by an error is dropped, not printed in part.
        if (begun)
            printer.abort();
        throw;
    }
    if (!begun)
        return; // no page to print
    painter.end();
    if (file)
        commitOutput(*file);
}

} // namespace zamt
