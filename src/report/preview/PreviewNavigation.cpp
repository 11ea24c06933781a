#include "report/preview/PreviewNavigation.h"

#include "report/common/RptTranslate.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace zamt {
namespace {

// The text without the blanks around it, as 8-bit characters; nothing when
// it holds other characters.
std::optional<std::string> plainText(const QString& text) {
    const QString trimmed = text.trimmed();
    std::string bytes;
    for (const QChar c : trimmed) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        bytes += char(c.unicode());
    }
    return bytes;
}

std::optional<long long> wholeNumber(const QString& text) {
    const auto bytes = plainText(text);
    if (!bytes || bytes->empty())
        return std::nullopt;
    const char* first = bytes->data();
    const char* last = first + bytes->size();
    if (*first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    long long value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}

// An int page number; numbers beyond the int range stand at its ends, where
// the page request clamps them anyway.
int pageNumber(long long value) {
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

int clampPage(int page, int pageCount) {
    if (page <= 0)
        return 1;
    if (pageCount > 0 && page > pageCount)
        return pageCount;
    return page;
}

std::optional<int> nextPageTarget(int current, int pageCount, int step) {
    if (static_cast<long long>(current) + step <= pageCount)
        return current + step;
    if (current > 1)
        return 1;
    return std::nullopt;
}

std::optional<int> previousPageTarget(int current, int pageCount, int step) {
    if (static_cast<long long>(current) - step > 0)
        return current - step;
    if (current != pageCount)
        return pageCount;
    return std::nullopt;
}

bool canMoveBack(int current) {
    return current > 1;
}

bool canMoveForward(int current, int pageCount) {
    return current < pageCount;
}

std::optional<int> goToPageTarget(const QString& answer, int current) {
    const auto value = wholeNumber(answer);
    if (!value || *value < 0 || *value == current)
        return std::nullopt;
    return pageNumber(*value);
}

std::optional<int> pageEditTarget(const QString& text, int current) {
    const auto value = wholeNumber(text);
    if (!value || *value == current)
        return std::nullopt;
    return pageNumber(*value);
}

std::optional<double> zoomEditTarget(const QString& text, double current) {
    const auto bytes = plainText(text);
    if (!bytes || bytes->empty())
        return std::nullopt;
    const char* first = bytes->data();
    const char* last = first + bytes->size();
    if (*first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error != std::errc() || end != last || first == last || !std::isfinite(value))
        return std::nullopt;
    if (value == current)
        return std::nullopt;
    return value;
}

QString pageCountText(int pageCount) {
    return rptTranslate(QStringLiteral("of")) + QLatin1Char(' ') + QString::number(pageCount);
}

QString pageStatusText(int current, int pageCount) {
    return rptTranslate(QStringLiteral("Page")) + QLatin1Char(' ') + QString::number(current) +
           QLatin1Char(' ') + rptTranslate(QStringLiteral("of")) + QLatin1Char(' ') +
           QString::number(pageCount);
}

QString zoomText(double factor) {
    return QString::number(factor, 'f', 1);
}

} // namespace zamt
