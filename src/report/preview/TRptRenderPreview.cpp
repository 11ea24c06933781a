#include "report/preview/TRptRenderPreview.h"

#include "platform/AppError.h"
#include "platform/WaitCursor.h"
#include "report/common/RptTranslate.h"
#include "report/preview/PreviewFrame.h"
#include "report/preview/PreviewNavigation.h"
#include "report/preview/RptPreviewView.h"
#include "report/stream/RptPaintPage.h"
#include "report/stream/TRptRenderCanvas.h"
#include "report/stream/TRptStreamReader.h"

#include <cmath>

namespace zamt {
namespace {

// The largest picture drawn, in device pixels: a poster-sized page at 200 %
// would otherwise take gigabytes.
constexpr qint64 MaxPicturePixels = qint64(1) << 26;
constexpr int MaxPictureSide = 32767;

[[noreturn]] void noScrollBox() {
    throw AppError(
        rptTranslate(QStringLiteral("ScrollBox must be assigned for RenderPreview component")));
}

// A paper size from a damaged stream may be anything.
float paperSize(float inches) {
    return std::isfinite(inches) && inches > 0 ? inches : 0.0f;
}

} // namespace

RptPreviewView::~RptPreviewView() = default;

TRptRenderPreview::TRptRenderPreview() = default;

TRptRenderPreview::~TRptRenderPreview() {
    if (painter_.isActive())
        painter_.end();
}

void TRptRenderPreview::setSettings(const RptPreviewSettings& settings) {
    settings_ = settings;
    setZoomFactor(settings.ZoomFactor());
}

void TRptRenderPreview::setStream(QIODevice* stream) {
    reader_.reset();
    headerRead_ = false;
    pageCount_ = 0;
    stream_ = stream;
}

bool TRptRenderPreview::hasPicture() const {
    return view_ && view_->hasPicture();
}

RptPreviewLayout TRptRenderPreview::layout() const {
    RptPreviewLayout l;
    l.ppi = view_ ? view_->pixelsPerInch() : ppi_;
    l.paperWidth = paperWidth_;
    l.paperHeight = paperHeight_;
    l.shadowDepth = settings_.ShadowDepth();
    const QSize ruler = rulerSizes(settings_.RulerType);
    l.rulerWidth = ruler.width();
    l.rulerHeight = ruler.height();
    l.marginMethod = settings_.MarginMethod;
    l.marginPercent = settings_.MarginPercent;
    return l;
}

// ---------------------------------------------------------------- zoom

void TRptRenderPreview::setZoomFactor(double z) {
    double factor = z;
    if (z <= -1.9)
        factor = zoomPageWidthFactor();
    else if (z < 0)
        factor = zoomPageFactor();
    settings_.setZoomFactor(factor);
    if (onZoomChange_)
        onZoomChange_();
    else
        redrawPage();
}

void TRptRenderPreview::zoomIn() {
    setZoomFactor(zoomFactor() + settings_.ZoomInc);
}

void TRptRenderPreview::zoomOut() {
    if (zoomFactor() > settings_.ZoomInc)
        setZoomFactor(zoomFactor() - settings_.ZoomInc);
}

double TRptRenderPreview::zoomPageFactor() const {
    if (!view_)
        noScrollBox();
    return fitPageZoom(layout(), view_->metrics());
}

double TRptRenderPreview::zoomPageWidthFactor() const {
    if (!view_)
        noScrollBox();
    return fitPageWidthZoom(layout(), view_->metrics());
}

// ---------------------------------------------------------------- pages

void TRptRenderPreview::nextPage() {
    if (const auto page = nextPageTarget(currentPage_, pageCount_, settings_.PageInc))
        showPage(*page);
}

void TRptRenderPreview::previousPage() {
    if (const auto page = previousPageTarget(currentPage_, pageCount_, settings_.PageInc))
        showPage(*page);
}

void TRptRenderPreview::showPage(int page) {
    currentPage_ = clampPage(page, pageCount_);
    if (!stream_)
        return;
    if (!reader_)
        reader_ = std::make_unique<TRptStreamReader>(stream_);
    if (!headerRead_) {
        reader_->readHeader();
        headerRead_ = true;
    }
    pageCount_ = reader_->header().pageCount;
    if (pageCount_ == 0) {
        // A report without pages shows no page.
        currentPage_ = 0;
        if (onPageChange_)
            onPageChange_();
        return;
    }
    currentPage_ = clampPage(currentPage_, pageCount_);
    const WaitCursor wait;
    // The transform is set once the page's paper is known.
    TRptRenderCanvas canvas(painter_, RptTransform());
    try {
        rptPaintPage(*reader_, currentPage_, canvas,
                     [this](const RptPageInfo& page, RptTransform& transform) {
                         startPicture(page, transform);
                     });
    } catch (...) {
        // What was drawn of the page stays to be seen.
        finishPicture();
        throw;
    }
    finishPicture();
}

void TRptRenderPreview::startPicture(const RptPageInfo& page, RptTransform& transform) {
    if (!view_)
        noScrollBox();
    pageCount_ = reader_ ? reader_->header().pageCount : pageCount_;
    if (!view_->hasPicture())
        view_->createPicture();
    if (onPageChange_)
        onPageChange_();

    const QPoint scrolled = view_->scrollPosition();
    view_->setScrollPosition({0, 0});

    ppi_ = view_->pixelsPerInch();
    pixelRatio_ = std::clamp(view_->devicePixelRatio(), 1.0, 8.0);
    paperWidth_ = paperSize(page.paperWidth);
    paperHeight_ = paperSize(page.paperHeight);
    const RptPreviewLayout l = layout();
    const double zoom = zoomFactor();
    const QSize size = previewBitmapSize(l, zoom);
    const QSize device(rptRound(size.width() * pixelRatio_), rptRound(size.height() * pixelRatio_));
    if (device.width() > MaxPictureSide || device.height() > MaxPictureSide ||
        qint64(device.width()) * device.height() > MaxPicturePixels)
        throw AppError(rptTranslate(QStringLiteral("Page %1 is too large to show at %2 percent."))
                           .arg(page.index)
                           .arg(zoomText(zoom)));

    image_ = QImage(device.expandedTo({1, 1}), QImage::Format_RGB32);
    painter_.begin(&image_);
    painter_.scale(pixelRatio_, pixelRatio_);
    RptPreviewFrame frame;
    frame.size = size;
    frame.shadowDepth = l.shadowDepth;
    frame.ruler = QSize(l.rulerWidth, l.rulerHeight);
    frame.background = view_->color();
    frame.pixelsPerInch = ppi_ * zoom / 100.0;
    frame.gridHoriz = settings_.GridHoriz;
    frame.gridVert = settings_.GridVert;
    frame.gridPen = settings_.GridPen;
    frame.rulerType = settings_.RulerType;
    paintPreviewFrame(painter_, frame);
    painter_.resetTransform();

    view_->placePicture(size, previewMargin(l, zoom));
    view_->setScrollPosition(scrolled);

    // The records are drawn in device pixels, so that text stays sharp on
    // a screen with more than one device pixel per pixel.
    transform = RptTransform::preview(ppi_ * pixelRatio_, zoom, rptRound(l.rulerWidth * pixelRatio_),
                                      rptRound(l.rulerHeight * pixelRatio_));
}

void TRptRenderPreview::finishPicture() {
    if (!painter_.isActive())
        return;
    painter_.end();
    if (settings_.Monochrome())
        image_ = image_.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    image_.setDevicePixelRatio(pixelRatio_);
    if (view_)
        view_->setPicture(image_);
}

} // namespace zamt
