#pragma once
// Where the pages of one print job go. On the printer they are painted by
// rptPaintPage at the printer's resolution from its unprintable margins.
// Into a file they go as the printer's own output: on Windows the driver's,
// painted the same way; with CUPS a PDF document, which the program's PDF
// writer writes straight into the file with the printer's paper and
// margins, as Qt's printing would.
#include "report/stream/RptTypes.h"

#include <memory>

class QPrinter;

namespace zamt {

class FileReplacement;
class TRptPrinterDevice;
class TRptStreamReader;

class PrinterPages {
public:
    virtual ~PrinterPages() = default;
    // Adds page `index` of the stream as the job's next page.
    virtual void page(TRptStreamReader& reader, int index) = 0;
    // Ends the job (and commits its file); a job without pages prints
    // nothing and makes no file.
    virtual void finish() = 0;
    // Drops a job cut short: nothing of it is printed or kept.
    virtual void abort() = 0;
};

// Raises "Invalid Printer - <device> on <port> (<driver>)".
[[noreturn]] void invalidPrinter(TRptPrinterDevice& device);

// The job painted onto the printer, set up for the job.
std::unique_ptr<PrinterPages> printerPages(TRptPrinterDevice& device,
                                           const RptStreamHeader& header);
// The printer's output into the file, opened, which replaces its target
// once the job is complete.
std::unique_ptr<PrinterPages>
printerFilePages(TRptPrinterDevice& device, const RptStreamHeader& header, FileReplacement& file);

} // namespace zamt
