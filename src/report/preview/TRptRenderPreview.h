#pragma once
// Shows one page of a page stream at a time as a picture of the paper in a
// scroll box: the shadow, the white paper and the page's records drawn at
// the zoom factor (by rptPaintPage), placed at a margin inside the box.
//
// One stream reader serves every page request while the stream stays the
// same, so that it remembers where the pages lie and a request never walks
// the whole stream again.
#include "report/preview/PreviewGeometry.h"
#include "report/stream/RptTransform.h"
#include "report/stream/TRptRender.h"
#include "report/system/RptPreviewSettings.h"
#include "report/system/RptSystemTypes.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>

class QIODevice;

namespace zamt {

class RptPreviewView;
class TRptStreamReader;

// A renderer for the report system's preview events; the records themselves
// are painted by rptPaintPage.
class TRptRenderPreview : public TRptRender {
public:
    TRptRenderPreview();
    ~TRptRenderPreview() override;
    TRptRenderPreview(const TRptRenderPreview&) = delete;
    TRptRenderPreview& operator=(const TRptRenderPreview&) = delete;

    // Never offered as a file format.
    static constexpr bool active() { return false; }

    RptPreviewView* scrollBox() const { return view_; }
    void setScrollBox(RptPreviewView* view) { view_ = view; }

    // How the pages are shown. New settings are taken over whole, the zoom
    // factor through setZoomFactor.
    const RptPreviewSettings& settings() const { return settings_; }
    void setSettings(const RptPreviewSettings& settings);

    double zoomFactor() const { return settings_.ZoomFactor(); }
    // z ≤ −1.9 fits the page width, −1.9 < z < 0 the page; every factor is
    // then held between the limits. Calls OnZoomChange, or without one
    // redraws the current page.
    void setZoomFactor(double z);

    // A page is about to be drawn; the zoom factor was set.
    void setOnPageChange(std::function<void()> handler) { onPageChange_ = std::move(handler); }
    void setOnZoomChange(std::function<void()> handler) { onZoomChange_ = std::move(handler); }

    // The page stream: seekable, open for reading, not owned. Setting
    // another one forgets the page count until a page of it is drawn.
    void setStream(QIODevice* stream);
    QIODevice* stream() const { return stream_; }

    // Shows page n, clamped to 1 and the page count. Errors of the stream
    // reach the caller; the picture keeps what was drawn of the page.
    void showPage(int page);
    void nextPage();
    void previousPage();
    void redrawPage() { showPage(currentPage_); }
    void zoomIn();
    void zoomOut();
    // The factors that fit the page and its width into the scroll box.
    double zoomPageFactor() const;
    double zoomPageWidthFactor() const;

    int pages() const { return pageCount_; } // 0 until a page has been drawn
    int currentPage() const { return currentPage_; }
    bool hasPicture() const;
    // The screen's pixels per inch at the last drawing.
    double pixelsPerInch() const { return ppi_; }

private:
    RptPreviewLayout layout() const;
    // Begins the picture of the page, its paper known: the frame, and the
    // transform its records are drawn with.
    void startPicture(const RptPageInfo& page, RptTransform& transform);
    void finishPicture();

    RptPreviewView* view_ = nullptr;
    RptPreviewSettings settings_;
    std::function<void()> onPageChange_;
    std::function<void()> onZoomChange_;

    QIODevice* stream_ = nullptr;
    std::unique_ptr<TRptStreamReader> reader_;
    bool headerRead_ = false;
    int pageCount_ = 0;
    int currentPage_ = 1;

    double ppi_ = 96;
    double pixelRatio_ = 1;
    float paperWidth_ = 8.5f; // of the page drawn last
    float paperHeight_ = 11.0f;
    QImage image_;
    QPainter painter_;
};

} // namespace zamt
