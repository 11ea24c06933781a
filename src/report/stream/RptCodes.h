#pragma once
// Byte codes of the page stream: the header codes, the page block codes and
// the record codes inside a page, with the format versions that change the
// layout of some fields.
#include <cstdint>

namespace zamt::RptCode {

// Header codes. Only the current code carries a version field; the two
// older ones stand for a fixed version.
inline constexpr uint8_t HeaderCurrent = 90; // 'Z', followed by the version
inline constexpr uint8_t Header1101 = 81;    // 'Q'
inline constexpr uint8_t Header2009 = 89;    // 'Y'

inline constexpr int16_t WriterVersion = 2017;
inline constexpr int VersionOld = 1101;
inline constexpr int Version2009 = 2009;
// From this version on: paper bin, collate and duplex in the header, the
// paper size in page blocks, a second font size value, the font rotation
// in complete-font records.
inline constexpr int VersionPrinterFields = 2000;
// From this version on strings may use the two-byte length form.
inline constexpr int VersionLongStrings = 2016;
// From this version on a complete-font record carries the character set.
inline constexpr int VersionFontCharset = 2018;

inline constexpr uint8_t Page = 80;    // 'P'
inline constexpr uint8_t EndPage = 82; // 'R'

// Drawing records.
inline constexpr uint8_t Arc = 1;
inline constexpr uint8_t Chord = 3;
inline constexpr uint8_t DrawPicture = 5;
inline constexpr uint8_t Ellipse = 7;
inline constexpr uint8_t FillRect = 8;
inline constexpr uint8_t LineTo = 11;
inline constexpr uint8_t MoveTo = 12;
inline constexpr uint8_t Pie = 13;
inline constexpr uint8_t Polygon = 14;
inline constexpr uint8_t Polyline = 15;
inline constexpr uint8_t StretchBitmapArea = 16;
inline constexpr uint8_t StretchBitmap = 17;
inline constexpr uint8_t Rectangle = 18;
inline constexpr uint8_t RectangleAlt = 19;
inline constexpr uint8_t RoundRect = 20;
inline constexpr uint8_t StretchPicture = 21;
inline constexpr uint8_t TextClipped = 22;
inline constexpr uint8_t TextCenter = 23;
inline constexpr uint8_t TextLeft = 24;
inline constexpr uint8_t TextRight = 25;
inline constexpr uint8_t TextWidthOld = 32;
inline constexpr uint8_t TextWidth = 33;
inline constexpr uint8_t EmbeddedData = 36;

// State records.
inline constexpr uint8_t BackgroundMode = 26;
inline constexpr uint8_t ScaleX = 28;
inline constexpr uint8_t ScaleY = 29;
inline constexpr uint8_t FrameMode = 35;
inline constexpr uint8_t Variable = 37;
inline constexpr uint8_t Brush = 40;
inline constexpr uint8_t BrushColor = 41;
inline constexpr uint8_t BrushStyle = 42;
inline constexpr uint8_t BrushBitmap = 43;
inline constexpr uint8_t Font = 50;
inline constexpr uint8_t FontName = 51;
inline constexpr uint8_t FontColor = 52;
inline constexpr uint8_t FontPitch = 53;
inline constexpr uint8_t FontHeight = 54;
inline constexpr uint8_t Bold = 55;
inline constexpr uint8_t Underline = 56;
inline constexpr uint8_t Italic = 57;
inline constexpr uint8_t StrikeOut = 58;
inline constexpr uint8_t Superscript = 59;
inline constexpr uint8_t Subscript = 60;
inline constexpr uint8_t FontRotation = 61;
inline constexpr uint8_t FontAttribute = 62;
inline constexpr uint8_t FontCharset = 63;
inline constexpr uint8_t Pen = 70;
inline constexpr uint8_t PenColor = 71;
inline constexpr uint8_t PenMode = 72;
inline constexpr uint8_t PenStyle = 73;
inline constexpr uint8_t PenWidth = 74;
inline constexpr uint8_t LineSpacing = 83;

// Records our renderers only read past: 2, 4, 6, 9, 10, 27, 30, 31, 34,
// 84 to 88 (see TRptStreamReader for their operands).

// Graphic kinds (low seven bits of the kind byte); bit 7 marks a reuse.
inline constexpr uint8_t GraphicBitmap = 1;
inline constexpr uint8_t GraphicMetafile = 2;
inline constexpr uint8_t GraphicIcon = 3;
inline constexpr uint8_t GraphicReuse = 128;

// The byte that starts an inline formatting command inside a text (page
// macros are defined in RptPageMacros.h).
inline constexpr char InlineCommand = char(1);

// The longest string the two-byte length form holds.
inline constexpr int MaxStringLength = 16383;
// The longest report variable value written as text.
inline constexpr int MaxVariableLength = 253;

} // namespace zamt::RptCode
