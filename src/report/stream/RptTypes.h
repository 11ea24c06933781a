#pragma once
// The values a page stream carries. Positions and sizes are in inches from
// the top-left corner of the paper, colours are 0x00BBGGRR values (system
// colours as 0x800000nn), texts are Windows-1251 bytes.
#include <QByteArray>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zamt {

// Where a text stands against its x: starting there, centred on it, ending there.
enum class RptAlign { Left, Center, Right };

struct RptPoint {
    float x = 0;
    float y = 0;
    bool operator==(const RptPoint&) const = default;
};

struct RptRect {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    bool operator==(const RptRect&) const = default;
};

// Arc, chord and pie: the bounding rectangle of the ellipse and the points
// that fix where the curve starts and ends (counter-clockwise).
struct RptArc {
    RptRect bounds;
    RptPoint start;
    RptPoint end;
    bool operator==(const RptArc&) const = default;
};

// A picture in its own file format: a BMP file, a Windows metafile or an icon.
struct RptGraphic {
    uint8_t kind = 1; // 1 bitmap, 2 metafile, 3 icon
    QByteArray data;
    // Filled by the reader: where the picture's size field lies in the
    // stream, and whether the record reused data written earlier.
    qint64 dataPosition = -1;
    bool reused = false;
    bool operator==(const RptGraphic& o) const { return kind == o.kind && data == o.data; }
};

struct RptFont {
    std::string name = "Arial";
    int32_t color = 0;
    uint8_t pitch = 0;            // 0 default, 1 variable, 2 fixed
    float height = 10.0f / 72.0f; // inches
    float height2 = 0;            // second size value, kept as read
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strikeOut = false;
    bool superscript = false;
    bool subscript = false;
    int16_t rotation = 0; // degrees, counter-clockwise
    uint8_t attribute = 0;
    uint8_t charset = 1; // the default character set
    bool operator==(const RptFont&) const = default;
};

struct RptPen {
    int32_t color = 0;
    uint8_t mode = 4; // copy
    uint8_t style =
        0;           // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 clear, 6 inside frame
    float width = 0; // inches; 0 is the thinnest line the device draws
    bool operator==(const RptPen&) const = default;
};

struct RptBrush {
    int32_t color = 0xFFFFFF;
    uint8_t style = 0; // 0 solid, 1 clear, 2 horizontal, 3 vertical, 4 and 5 diagonal, 6 cross, 7
                       // diagonal cross
    std::optional<RptGraphic> bitmap;
    bool operator==(const RptBrush&) const = default;
};

// The stream header. The writer's values are the defaults below.
struct RptStreamHeader {
    uint8_t code = 90;
    int version = 2017;
    std::string title = "Untitled Report";
    int pageCount = 0;
    int firstPage = 1;
    int lastPage = 9999;
    float paperWidth = 8.5f;
    float paperHeight = 11.0f;
    float marginLeft = 0; // unprintable margins of the output device
    float marginRight = 0;
    float marginTop = 0;
    float marginBottom = 0;
    uint8_t orientation = 0; // 0 portrait, 1 landscape
    int paperBin = 265;
    uint8_t collate = 0;
    uint8_t duplex = 0;
    int copies = 1;
    int paperSize = 1;
    int paperSizeWidth = 0; // tenths of a millimetre
    int paperSizeLength = 0;
    std::string outputName;
    bool operator==(const RptStreamHeader&) const = default;
};

// One page block as the reader found it.
struct RptPageInfo {
    int index = 0;  // 1 for the first block of the stream
    int number = 0; // the page number stored in the block
    float paperWidth = 0;
    float paperHeight = 0;
    qint64 position = 0; // of the page code
    qint64 previous = 0;
    qint64 next = 0;
};

// A text record. x and y give the baseline start (22, 24, 32, 33), centre
// (23) or end (25); the clip rectangle belongs to 22, the width to 32 and 33.
struct RptText {
    uint8_t code = 24;
    float x = 0;
    float y = 0;
    RptRect clip;
    float width = 0;
    std::string raw;               // as stored
    std::vector<std::string> runs; // plain runs, macros replaced
};

// A record our renderers read past, with its operands in stream order:
// numbers (integers and singles), at most one string and one block of data.
struct RptSkipped {
    uint8_t code = 0;
    std::vector<double> numbers;
    std::string text;
    QByteArray data;
};

} // namespace zamt
