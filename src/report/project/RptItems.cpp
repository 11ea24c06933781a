#include "report/project/RptItems.h"

namespace zamt {

RptFont rptStreamFont(const RptItemFont& font) {
    RptFont stream;
    stream.name = font.name;
    stream.height = float(font.size / 72.0);
    stream.bold = font.bold;
    stream.italic = font.italic;
    stream.underline = font.underline;
    stream.color = font.color;
    return stream;
}

} // namespace zamt
