#pragma once
// Writing a stream into memory and replaying it, for the page stream tests.
#include "RecordingRender.h"
#include "support/ErrorOf.h"
#include "report/stream/TRptStreamReader.h"
#include "report/stream/TRptStreamWriter.h"

#include <QBuffer>
#include <functional>

namespace zamt::test {

// Runs a job on a fresh writer over memory: `setup` before the job begins,
// `pages` between beginJob and endJob. Returns the stream's bytes.
QByteArray writeStream(const std::function<void(TRptStreamWriter&)>& pages,
                       const std::function<void(TRptStreamWriter&)>& setup = {});

// Replays the whole stream into a recording renderer.
RecordingRender replayAll(const QByteArray& bytes);


// The state lines every page of a writer with default settings begins with,
// with the font height given.
std::vector<std::string> defaultState(const std::string& fontHeight = "0.138888896");

int32_t int32At(const QByteArray& bytes, qsizetype at);
int16_t int16At(const QByteArray& bytes, qsizetype at);

} // namespace zamt::test
