#pragma once
// JPEG pictures of the program, decoded with libjpeg.
#include <QByteArray>
#include <QImage>

namespace zamt {

// The decoded picture, or a null image when the data is not a JPEG libjpeg
// can read.
QImage decodeJpeg(const QByteArray& data);
// Encodes an image as a baseline JPEG of the given quality (1 to 100).
QByteArray encodeJpeg(const QImage& image, int quality);

} // namespace zamt
