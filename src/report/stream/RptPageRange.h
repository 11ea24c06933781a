#pragma once
// Which pages of a report are output. Without a selection text a page is
// inside when it lies between the first and the last page. A selection text
// is a comma-separated list whose items are compared without regard to case:
// "E"/"EVEN", "O"/"ODD", "A"/"ALL", a page number n, "a-b", "a-" (a to the
// end), "-b" (1 to b) and "R", which is accepted and selects nothing. A page
// is inside as soon as one item selects it; items that fit none of these
// forms select nothing.
#include <string>
#include <string_view>
#include <vector>

namespace zamt {

class RptPageRange {
public:
    RptPageRange() = default;
    RptPageRange(int firstPage, int lastPage, std::string_view selection = {});

    bool contains(int page) const;

private:
    struct Item {
        int from;
        int to;
        int parity; // -1 any page, 0 even pages, 1 odd pages
    };

    int firstPage_ = 1;
    int lastPage_ = 9999;
    bool selective_ = false;
    std::vector<Item> items_;
};

} // namespace zamt
