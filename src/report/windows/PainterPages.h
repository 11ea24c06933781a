#pragma once
// A print job painted onto the printer with the canvas.
#include "report/stream/TRptRenderCanvas.h"
#include "report/windows/PrinterPages.h"

#include <QPainter>

namespace zamt {

class PainterPages : public PrinterPages {
public:
    PainterPages(TRptPrinterDevice& device, const RptStreamHeader& header);
    void page(TRptStreamReader& reader, int index) override;
    void finish() override;
    void abort() override;

protected:
    bool begun() const { return painter_.isActive(); }

private:
    TRptPrinterDevice& device_;
    QPrinter& printer_;
    QPainter painter_;
    TRptRenderCanvas canvas_;
};

} // namespace zamt
