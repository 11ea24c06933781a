#pragma once
// Shared by the record tests: the worked example measurement, its record line
// by line and a look into folders.
#include "calc/Measurement.h"

#include <QStringList>
#include <ostream>
#include <string>
#include <string_view>

// Readable QStrings in failure messages (found by argument lookup, so beside
// QString in the global namespace).
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zamt::test {

// Inner diameter 100, wall 5, deposits 1, angle 45, offset 10, the
// hydraulics window's start texts, the name "Насосная станция 3": every
// value computed as the calculations compute it.
Measurement exampleMeasurement();

struct RecordLine {
    std::string_view label; // UTF-8
    std::string_view value; // UTF-8; numbers written with a comma
    bool name = false;      // the value is the object name, no number
};
// The 30 lines of the example's record under a comma separator.
extern const RecordLine kExampleLines[30];
// The example's record as Windows-1251 bytes under the given separator.
std::string exampleRecord(char separator);

// What a record file held before a write that must leave it intact.
inline const QByteArray kPrevious = "the previous record\r\n";

// Every entry of a folder, hidden ones included, sorted.
QStringList folderEntries(const QString& folder);

} // namespace zamt::test
