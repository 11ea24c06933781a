#pragma once
// The listing rpsdump prints: the stream header, then page by page one line
// per record with its code and its operands, texts as UTF-8.
#include <QIODevice>
#include <ostream>

namespace zamt {

// Writes the listing of the stream in `input` to `out`. A damaged stream
// raises the reader's AppError after the lines read so far.
void dumpReportStream(QIODevice* input, std::ostream& out);

} // namespace zamt
