#pragma once
// The body of a PDF file: numbered objects written one after another into a
// device, each one's place kept for the cross-reference table that finish()
// writes with the trailer. Objects may be numbered before they are written
// (a page names its shared resources), but each is written once.
#include <QByteArray>
#include <QColor>
#include <vector>

class QIODevice;

namespace zamt {

class PdfOutput {
public:
    // Object 1 is the catalog and 2 the page tree, numbered from the start.
    static constexpr int kCatalog = 1;
    static constexpr int kPages = 2;

    explicit PdfOutput(QIODevice& device);

    int reserve(); // a number for an object written later
    // "n 0 obj <dictionary> endobj"
    void object(int number, const QByteArray& dictionary);
    // A stream object compressed with Flate; `dictionary` holds the entries
    // besides /Length and /Filter, without the brackets.
    void stream(int number, const QByteArray& dictionary, const QByteArray& data);
    // The cross-reference table and the trailer naming the catalog and the
    // document information object.
    void finish(int info);

private:
    void write(const QByteArray& bytes);

    QIODevice& device_;
    qint64 written_ = 0;
    std::vector<qint64> offsets_{0, 0, 0}; // by object number; 0 is the free head
};

// A PDF string literal of arbitrary bytes: (…) with \, ( and ) escaped.
QByteArray pdfString(QByteArrayView bytes);
// A number with at most three decimals and no exponent.
QByteArray pdfNumber(double value);
// A colour's red, green and blue, each from 0 to 1.
QByteArray pdfColor(const QColor& color);

} // namespace zamt
