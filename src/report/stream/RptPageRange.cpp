#include "report/stream/RptPageRange.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <optional>

namespace zamt {
namespace {

std::string_view trimmedItem(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::string upperItem(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// A page number: digits only, capped well above any page the stream can hold.
std::optional<int> itemPageNumber(std::string_view s) {
    s = trimmedItem(s);
    if (s.empty() || s.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

RptPageRange::RptPageRange(int firstPage, int lastPage, std::string_view selection)
    : firstPage_(firstPage), lastPage_(lastPage) {
    selection = trimmedItem(selection);
    if (selection.empty())
        return;
    selective_ = true;
    while (true) {
        const size_t comma = selection.find(',');
        const std::string item = upperItem(trimmedItem(selection.substr(0, comma)));
        if (item == "E" || item == "EVEN") {
            items_.push_back({INT_MIN, INT_MAX, 0});
        } else if (item == "O" || item == "ODD") {
            items_.push_back({INT_MIN, INT_MAX, 1});
        } else if (item == "A" || item == "ALL") {
            items_.push_back({INT_MIN, INT_MAX, -1});
        } else if (const size_t dash = item.find('-'); dash != std::string::npos) {
            const std::string_view from = trimmedItem(std::string_view(item).substr(0, dash));
            const std::string_view to = trimmedItem(std::string_view(item).substr(dash + 1));
            const auto a = itemPageNumber(from);
            const auto b = itemPageNumber(to);
            if (from.empty() && b)
                items_.push_back({1, *b, -1});
            else if (to.empty() && a)
                items_.push_back({*a, INT_MAX, -1});
            else if (a && b)
                items_.push_back({*a, *b, -1});
        } else if (const auto n = itemPageNumber(item)) {
            items_.push_back({*n, *n, -1});
        }
        // "R" and anything unreadable select nothing.
        if (comma == std::string_view::npos)
            break;
        selection.remove_prefix(comma + 1);
    }
}

bool RptPageRange::contains(int page) const {
    if (!selective_)
        return firstPage_ <= page && page <= lastPage_;
    return std::any_of(items_.begin(), items_.end(), [page](const Item& item) {
        if (page < item.from || page > item.to)
            return false;
        return item.parity < 0 || (page % 2 != 0) == (item.parity == 1);
    });
}

} // namespace zamt
