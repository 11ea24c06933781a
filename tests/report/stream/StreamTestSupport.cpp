#include "StreamTestSupport.h"

#include "platform/AppError.h"

#include <cstring>

namespace zamt::test {

QByteArray writeStream(const std::function<void(TRptStreamWriter&)>& pages,
                       const std::function<void(TRptStreamWriter&)>& setup) {
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TRptStreamWriter writer(&buffer);
    if (setup)
        setup(writer);
    writer.beginJob();
    pages(writer);
    writer.endJob();
    return buffer.data();
}

RecordingRender replayAll(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TRptStreamReader reader(&buffer);
    RecordingRender render;
    reader.replayAll(render);
    return render;
}

std::vector<std::string> defaultState(const std::string& fontHeight) {
    return {"fontName [Arial]", "fontColor 0",
            "fontPitch 0",      "fontHeight " + fontHeight + " 0",
            "bold 0",           "underline 0",
            "italic 0",         "strikeOut 0",
            "superscript 0",    "subscript 0",
            "fontRotation 0",   "fontAttribute 0",
            "fontCharset 1",    "penColor 0",
            "penMode 4",        "penStyle 0",
            "penWidth 0",       "brushColor 16777215",
            "brushStyle 0",     "brushBitmap none",
            "scaleX 100",       "scaleY 100",
            "backgroundMode 0"};
}

int32_t int32At(const QByteArray& bytes, qsizetype at) {
    int32_t v = 0;
    std::memcpy(&v, bytes.constData() + at, 4);
    return v;
}

int16_t int16At(const QByteArray& bytes, qsizetype at) {
    int16_t v = 0;
    std::memcpy(&v, bytes.constData() + at, 2);
    return v;
}

} // namespace zamt::test
