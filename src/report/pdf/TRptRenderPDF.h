#pragma once
// Converts a page stream into a PDF document: one PDF page per stream page
// at that page's paper size, drawn as the preview and the printer paint it
// (PdfCanvas), with text as real text and subsets of its fonts embedded.
// Offered for file output as "PDF Document (PDF)".
#include "report/system/TRptRenderFile.h"

namespace zamt {

class TRptRenderPDF : public TRptRenderFile {
public:
    TRptRenderPDF() { Active = true; }

    QString displayName() const override { return QStringLiteral("PDF Document (PDF)"); }
    QString extension() const override { return QStringLiteral(".pdf"); }

    // Writes the PDF of the whole stream (read from its start) to the file,
    // which is replaced only once the document is complete (FileReplacement):
    // a damaged stream (the reader's AppError) or a failure ("Cannot create
    // file "%s". %s", "Cannot write file "%s". %s") leaves no partial file.
    void convert(QIODevice& stream, const QString& fileName) override;
};

} // namespace zamt
