#include "report/pdf/PdfOutput.h"

#include <QIODevice>
#include <cmath>

namespace zamt {
namespace {

// Fast and still a third of the text's size: a report is mostly rows.
constexpr int kCompression = 1;

} // namespace

PdfOutput::PdfOutput(QIODevice& device) : device_(device) {
    write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

int PdfOutput::reserve() {
    offsets_.push_back(0);
    return int(offsets_.size() - 1);
}

void PdfOutput::write(const QByteArray& bytes) {
    // A failed write shows in the device's file, which refuses the commit.
    device_.write(bytes);
    written_ += bytes.size();
}

void PdfOutput::object(int number, const QByteArray& dictionary) {
    offsets_[number] = written_;
    write(QByteArray::number(number) + " 0 obj\n" + dictionary + "\nendobj\n");
}

void PdfOutput::stream(int number, const QByteArray& dictionary, const QByteArray& data) {
    // qCompress puts the length in front of the zlib stream Flate reads.
    const QByteArray packed = qCompress(data, kCompression).mid(4);
    offsets_[number] = written_;
    write(QByteArray::number(number) + " 0 obj\n<<" + dictionary +
          " /Filter /FlateDecode /Length " + QByteArray::number(packed.size()) + ">>\nstream\n");
    write(packed);
    write("\nendstream\nendobj\n");
}

void PdfOutput::finish(int info) {
    const qint64 table = written_;
    QByteArray xref =
        "xref\n0 " + QByteArray::number(qsizetype(offsets_.size())) + "\n0000000000 65535 f \n";
    for (size_t i = 1; i < offsets_.size(); ++i)
        xref += QByteArray::number(offsets_[i]).rightJustified(10, '0') + " 00000 n \n";
    xref += "trailer\n<< /Size " + QByteArray::number(qsizetype(offsets_.size())) + " /Root " +
            QByteArray::number(kCatalog) + " 0 R /Info " + QByteArray::number(info) +
            " 0 R >>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
    write(xref);
}

QByteArray pdfString(QByteArrayView bytes) {
    QByteArray out;
    out.reserve(bytes.size() + 2);
    out += '(';
    for (char c : bytes) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        if (c == '\r')
            out += "\\r"; // a bare carriage return would be read as a line feed
        else
            out += c;
    }
    out += ')';
    return out;
}

QByteArray pdfColor(const QColor& color) {
    const auto part = [](double value) { return pdfNumber(std::round(value * 1000) / 1000); };
    return part(color.redF()) + ' ' + part(color.greenF()) + ' ' + part(color.blueF());
}

QByteArray pdfNumber(double value) {
    if (!std::isfinite(value))
        return "0";
    if (value == std::round(value) && std::abs(value) < 1e15)
        return QByteArray::number(qint64(value));
    QByteArray text = QByteArray::number(value, 'f', 3);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text == "-0" ? "0" : text;
}

} // namespace zamt
