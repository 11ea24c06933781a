#include "RptDump.h"

#include "RptDumpRender.h"
#include "report/stream/TRptStreamReader.h"

namespace zamt {

void dumpReportStream(QIODevice* input, std::ostream& out) {
    TRptStreamReader reader(input);
    RptDumpRender dump(out);
    reader.replayAll(dump);
}

} // namespace zamt
