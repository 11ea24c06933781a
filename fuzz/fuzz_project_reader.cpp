// libFuzzer target: the report project reader on arbitrary bytes, first as a
// whole file, then with its project text in a sound frame (the check word
// would otherwise keep most mutations away from the XML). A project it
// accepts must come back unchanged through the writer; every outcome but an
// AppError or such a round trip is a finding.
#include "platform/AppError.h"
#include "report/project/RptProjectFile.h"
#include "report/project/RptProjectHeader.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void readAndRoundTrip(const QByteArray& file) {
    try {
        const zamt::RptProjectModel project = zamt::rptReadProject(file);
        if (zamt::rptReadProject(zamt::rptWriteProject(project)) != project)
            std::abort();
    } catch (const zamt::AppError&) {
        // Damaged input is reported, which is all we ask.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    readAndRoundTrip(bytes);
    const QByteArray text =
        bytes.startsWith("RPJ\x1A") ? bytes.mid(zamt::kRptProjectHeaderSize) : bytes;
    readAndRoundTrip(zamt::rptFrameProjectText(text));
    return 0;
}
