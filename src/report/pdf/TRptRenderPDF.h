#pragma once
// Converts a page stream into a PDF document: one PDF page per stream page
// at that page's paper size, drawn through the canvas renderer like the
// preview and the printer, with text as real text and its fonts embedded.
#include <QIODevice>
#include <QString>

namespace zamt {

class TRptRenderPDF {
public:
    // How the output format list offers it.
    static QString displayName() { return QStringLiteral("PDF Document (PDF)"); }
    static QString extension() { return QStringLiteral(".pdf"); }
    static QString filterPair() { return QStringLiteral("PDF Document (PDF)|*.pdf"); }

    // Writes the PDF of the whole stream (read from its start) to the file.
    // The document goes into a temporary file beside it that replaces the
    // file only once complete: a damaged stream (the reader's AppError) or a
    // write failure ("Cannot write file "%s". %s") leaves no partial file.
    static void convert(QIODevice* stream, const QString& fileName);
};

} // namespace zamt
