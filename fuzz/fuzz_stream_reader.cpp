// libFuzzer target: the page stream reader on arbitrary bytes. Reads the
// header, replays every page, then asks for pages out of order; every outcome
// but an AppError or a clean replay is a finding.
#include "platform/AppError.h"
#include "report/stream/TRptRender.h"
#include "report/stream/TRptStreamReader.h"

#include <QBuffer>
#include <QDateTime>
#include <QLocale>
#include <cstddef>
#include <cstdint>

namespace {

// Takes in what it is handed, the way a renderer would, and keeps a little of it.
class CountingRender : public zamt::TRptRender {
public:
    size_t seen = 0;

    void record(uint8_t code, qint64 position) override { seen += code + size_t(position & 1); }
    void text(const zamt::RptText& text) override {
        for (const std::string& run : text.runs)
            seen += run.size();
    }
    void polygon(const std::vector<zamt::RptPoint>& points) override { seen += points.size(); }
    void drawPicture(const zamt::RptGraphic& picture, zamt::RptPoint) override {
        seen += size_t(picture.data.size());
    }
    void setReportVariable(const std::string& name, const std::string& value) override {
        seen += name.size() + value.size();
    }
    std::string macroValue(int index) const override { return std::to_string(index); }
    std::optional<std::string> macroLine(int line) const override {
        if (line > 3)
            return std::nullopt;
        return std::string(size_t(line), 'm');
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        zamt::TRptStreamReader reader(&buffer);
        reader.setReportTime(QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9)));
        reader.setLocale(QLocale::c());
        CountingRender render;
        reader.replayAll(render);
        const int count = reader.header().pageCount;
        if (count > 0) {
            reader.replayPage(count, render);
            reader.replayPage(1, render);
            reader.replayPage((count + 1) / 2, render);
        }
    } catch (const zamt::AppError&) {
        // Damaged input is reported, which is all we ask.
    }
    return 0;
}
