#pragma once
// The items a report band holds: fixed texts, data texts, lines and boxes.
// Positions and sizes are in inches from the top-left corner of the band;
// texts and names are Windows-1251, as everywhere in the program.
#include "report/stream/RptTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace zamt {

// Where an item lies within its band.
struct RptItemFrame {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool operator==(const RptItemFrame&) const = default;
};

struct RptItemFont {
    std::string name = "DejaVu Sans";
    double size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int32_t color = 0; // 0x00BBGGRR, as in the page stream
    bool operator==(const RptItemFont&) const = default;
};

// The page stream's font for an item font (height in inches, the other
// stream settings at their defaults).
RptFont rptStreamFont(const RptItemFont& font);

// A text that is the same on every page. It may hold the page notation of
// RptPageNotation.h ("Page {page} of {pages}").
struct RptFixedText {
    RptItemFrame frame;
    RptItemFont font;
    RptAlign align = RptAlign::Left;
    std::string text;
    bool operator==(const RptFixedText&) const = default;
};

// The value of a field of a data view's current row.
struct RptDataText {
    RptItemFrame frame;
    RptItemFont font;
    RptAlign align = RptAlign::Left;
    std::string dataView;
    std::string field;
    bool operator==(const RptDataText&) const = default;
};

// A line from (x1, y1) to (x2, y2).
struct RptLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    int32_t color = 0;
    double penWidth = 0; // points; 0 is the thinnest line the device draws
    bool operator==(const RptLine&) const = default;
};

// A rectangle drawn with the pen, filled when it has a fill colour.
struct RptBox {
    RptItemFrame frame;
    int32_t color = 0;
    double penWidth = 0; // points
    std::optional<int32_t> fill;
    bool operator==(const RptBox&) const = default;
};

using RptItem = std::variant<RptFixedText, RptDataText, RptLine, RptBox>;

} // namespace zamt
