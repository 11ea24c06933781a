#pragma once
// The one paint path of page streams onto a painter: the preview's picture
// and the printer each paint a page with rptPaintPage and differ only in
// the canvas they hold (a painter and a transform) and in what they do when
// a page starts. (PDF documents are written by report/pdf with the same
// drawing state, RptQtStyle.)
#include "report/stream/RptTransform.h"
#include "report/stream/RptTypes.h"

#include <functional>

namespace zamt {

class TRptRenderCanvas;
class TRptStreamReader;

// Runs once the page's block has been read and before any of its records is
// drawn, with the page's number and paper size: there the caller readies the
// canvas's painter for a page of that paper (begins it on a picture, starts
// a new document page) and may change the transform the records are drawn
// with.
using RptPageStart = std::function<void(const RptPageInfo& page, RptTransform& transform)>;

// Paints page `index` (1 = the first page block of the stream) onto the
// canvas's painter, every position through the canvas's transform. The page
// is drawn from the default drawing state whatever was painted before it. A
// page outside the stream raises the reader's "There is no page %d in the
// report file." before `start` runs; a damaged page raises the reader's
// error, leaving what was drawn of it on the painter.
void rptPaintPage(TRptStreamReader& reader, int index, TRptRenderCanvas& canvas,
                  const RptPageStart& start = {});

} // namespace zamt
