#include "report/pdf/TRptRenderPDF.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/FileReplacement.h"
#include "report/common/RptTranslate.h"
#include "report/pdf/PdfCanvas.h"
#include "report/stream/RptProgress.h"
#include "report/stream/TRptStreamReader.h"

namespace zamt {

void TRptRenderPDF::convert(QIODevice& stream, const QString& fileName) {
    FileReplacement file(fileName);
    if (!file.open())
        throw AppError(file.errorMessage(rptTranslate));
    {
        TRptStreamReader reader(&stream);
        const RptStreamHeader header = reader.readHeader();
        PdfDocument document(*file.device());
        PdfCanvas canvas(document);
        for (int page = 1; page <= header.pageCount; ++page) {
            if (Progress)
                Progress->page(page);
            canvas.addPage(reader, page, header);
        }
        // A stream without pages still makes a valid document of one blank
        // page of the report's paper.
        if (document.pageCount() == 0)
            canvas.addBlankPage(header);
        document.finish(fromCp1251(header.title));
    }
    if (!file.commit())
        throw AppError(file.errorMessage(rptTranslate));
}

} // namespace zamt
