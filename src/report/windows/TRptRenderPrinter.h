#pragma once
// Prints a page stream on the selected printer: every page of the stream,
// or those of a page range or selection, painted by rptPaintPage at the
// printer's resolution from its unprintable margins, as one print job titled
// with the report's title.
//
// The preview's Print:
//   TRptRenderPrinter printer;
//   printer.setStream(&stream, pageCount);
//   ... the set-up window in print-from-preview mode fills the settings ...
//   printer.print();
#include <QIODevice>
#include <QString>
#include <string>

namespace zamt {

class RptProgress;

class TRptPrinterDevice;

class TRptRenderPrinter {
public:
    // The settings start from the printer's own.
    explicit TRptRenderPrinter(TRptPrinterDevice& device);
    TRptRenderPrinter();

    // The stream to print (open for reading, seekable) and the page count
    // the caller knows of it.
    void setStream(QIODevice* stream, int pageCount = 0);
    // The page count of the stream's header, else the one given.
    int pageCount() const;

    // Which pages: FirstPage to LastPage, or by Selection when it is not
    // empty (as the writer's page range), counted from the stream's first
    // page.
    int FirstPage = 1;
    int LastPage = 9999;
    std::string Selection;
    // Copies of the job; 0 or less: as the printer's settings say.
    int Copies = 0;
    bool Collate = false;
    int Duplex = 0; // RptDuplex
    // Not empty: the printer's output goes into this file instead.
    QString OutputFileName;
    // When set, told of every page before it is printed; its cancel ends
    // the job (RptOutputCancelled), which is then dropped, not printed in part.
    RptProgress* Progress = nullptr;

    // Prints the stream. When the printer makes at most one copy of a job
    // and more were asked for, the stream is printed that many times, one
    // job each (a file holds them one after the other). Raises AppError
    // "Invalid Printer - <device> on <port> (<driver>)" when the printer
    // cannot be used.
    void print();
    // Whether print() will print the stream more than once.
    bool repeatsCopies() const;

private:
    void printJob(int copies, int repeats);

    TRptPrinterDevice& device_;
    QIODevice* stream_ = nullptr;
    int pageCount_ = 0;
};

} // namespace zamt
