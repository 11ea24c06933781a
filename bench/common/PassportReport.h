#pragma once
// The long report the page stream and preview benchmarks read: pages of a
// passport-like record, a heading and 60 lines of label and value each.
#include "report/stream/TRptStreamWriter.h"

#include <string>
#include <vector>

namespace zamt::bench {

inline constexpr int LinesPerPage = 60;

// The lines of a page, made once so that the figures are the writer's.
struct PageText {
    std::vector<std::string> labels;
    std::vector<std::string> values;
};

inline const PageText& pageText() {
    static const PageText text = [] {
        static const std::string labels[] = {"Inner diameter, mm", "Wall thickness, mm",
                                             "Channel length, mm", "Reynolds number",
                                             "Correction coefficient K"};
        PageText t;
        for (int line = 0; line < LinesPerPage; ++line) {
            t.labels.push_back(labels[line % 5] + " " + std::to_string(line));
            t.values.push_back(std::to_string(1000 + line * 37) + ".125");
        }
        return t;
    }();
    return text;
}

// A whole job of `pages` pages.
inline void writePassportReport(TRptStreamWriter& w, int pages) {
    const PageText& text = pageText();
    w.setLastPage(32767); // past the default last page, 9999
    w.beginJob();
    for (int page = 0; page < pages; ++page) {
        w.beginPage();
        w.setBold(true);
        w.text(4.25, 0.75, "Flowmeter passport", RptAlign::Center);
        w.setBold(false);
        for (int line = 0; line < LinesPerPage; ++line) {
            const double y = 1.25 + line * 0.15;
            w.text(0.75, y, text.labels[size_t(line)]);
            w.text(7.5, y, text.values[size_t(line)], RptAlign::Right);
        }
        w.endPage();
    }
    w.endJob();
}

} // namespace zamt::bench
