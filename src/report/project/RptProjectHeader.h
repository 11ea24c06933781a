#pragma once
// The binary frame of a report project file (*.rpj):
//
//   offset size
//   0      4    signature: "RPJ" and byte 26
//   4      2    format version, 1
//   6      4    length of the project text in bytes
//   10     2    check word: CRC-16/X-25 of bytes 0 to 9
//   12          the project text, UTF-8 XML, exactly that many bytes
//
// Numbers are little-endian, unsigned. The CRC (Qt's qChecksum) has the
// polynomial 0x1021, reflected, start value and final XOR 0xFFFF; the check
// value of "123456789" is 0x906E.
#include <QByteArray>
#include <QByteArrayView>

namespace zamt {

inline constexpr qsizetype kRptProjectHeaderSize = 12;
inline constexpr quint16 kRptProjectVersion = 1;

// The whole file for a project text. A text longer than kRptMaxProjectText
// raises the error the reader gives for it.
QByteArray rptFrameProjectText(QByteArrayView text);

// The project text of a file that is not empty. Raises "Invalid Project
// Format" without the signature, "Invalid Project Header Code" for a header
// that is short, of another version or fails its check word, and "Invalid
// report project: ..." when the text is too long or the file holds fewer or
// more bytes than the header announces.
QByteArray rptProjectText(QByteArrayView file);

} // namespace zamt
