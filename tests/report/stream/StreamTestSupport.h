#pragma once
// Writing a stream into memory and replaying it, for the page stream tests.
#include "RptDumpRender.h"
#include "report/stream/TRptStreamReader.h"
#include "report/stream/TRptStreamWriter.h"
#include "support/ErrorOf.h"

#include <QBuffer>
#include <functional>

namespace zamt::test {

// Runs a job on a fresh writer over memory: `setup` before the job begins,
// `pages` between beginJob and endJob. Returns the stream's bytes.
QByteArray writeStream(const std::function<void(TRptStreamWriter&)>& pages,
                       const std::function<void(TRptStreamWriter&)>& setup = {});

// Replays the whole stream into the stream listing.
RptDumpRender replayAll(const QByteArray& bytes);

// The listing's lines of the state every page of a writer with default
// settings begins with, with the font height given.
std::vector<std::string> defaultState(const std::string& fontHeight = "0.1388889");

int32_t int32At(const QByteArray& bytes, qsizetype at);
int16_t int16At(const QByteArray& bytes, qsizetype at);

// A memory device that counts the bytes read from it.
class CountingBuffer : public QBuffer {
public:
    using QBuffer::QBuffer;
    qint64 bytesRead = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 got = QBuffer::readData(data, maxSize);
        bytesRead += std::max<qint64>(got, 0);
        return got;
    }
};

} // namespace zamt::test
