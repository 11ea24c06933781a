#pragma once
// Which page the preview's navigation shows, and the texts that tell the
// user where he is. A page count of 0 means it is not known yet (no page
// has been drawn) or the report has no pages.
#include <QString>
#include <optional>

namespace zamt {

// 0 or below gives 1; above a known page count gives the page count.
int clampPage(int page, int pageCount);

// Next: current + step when that page exists, else page 1 when the current
// page is above 1 (the sequence wraps); nothing on a one-page report.
std::optional<int> nextPageTarget(int current, int pageCount, int step);
// Previous: current − step when above 0, else the last page when the
// current page is not the last.
std::optional<int> previousPageTarget(int current, int pageCount, int step);

// Whether First and Previous, Next and Last are offered.
bool canMoveBack(int current);
bool canMoveForward(int current, int pageCount);

// The page the Go to Page answer asks for: a whole number of 0 or more that
// differs from the current page (clamped afterwards by the page request).
std::optional<int> goToPageTarget(const QString& answer, int current);
// The page PageEdit asks for: any integer that differs from the current page.
std::optional<int> pageEditTarget(const QString& text, int current);
// The factor ZoomEdit asks for: a number ("." as the decimal point) that
// differs from the current factor.
std::optional<double> zoomEditTarget(const QString& text, double current);

// "of 5", "Page 2 of 5", and the factor as ZoomEdit shows it ("110.0").
QString pageCountText(int pageCount);
QString pageStatusText(int current, int pageCount);
QString zoomText(double factor);

} // namespace zamt
