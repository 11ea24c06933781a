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

RptDumpRender replayAll(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TRptStreamReader reader(&buffer);
    RptDumpRender render;
    reader.replayAll(render);
    return render;
}

std::vector<std::string> defaultState(const std::string& fontHeight) {
    return {"  51 font name \"Arial\"",
            "  52 font colour 0x00000000",
            "  53 font pitch 0",
            "  54 font height " + fontHeight + " 0",
            "  55 bold off",
            "  56 underline off",
            "  57 italic off",
            "  58 strike-out off",
            "  59 superscript off",
            "  60 subscript off",
            "  61 font rotation 0",
            "  62 font attribute 0",
            "  63 font charset 1",
            "  71 pen colour 0x00000000",
            "  72 pen mode 4",
            "  73 pen style 0",
            "  74 pen width 0",
            "  41 brush colour 0x00FFFFFF",
            "  42 brush style 0",
            "  43 brush bitmap none",
            "  28 horizontal scale 100",
            "  29 vertical scale 100",
            "  26 background mode 0"};
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
