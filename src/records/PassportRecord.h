#pragma once
// The passport record: the Measurement state as 30 lines of Windows-1251
// text, each ended by CR LF. Nothing in the program reads a record back; it
// is a plain text file for people and for the report.
#include "calc/Measurement.h"

#include <cstddef>
#include <string>

namespace zamt {

inline constexpr int kPassportLineCount = 30;

// The whole record, byte for byte, with the numbers written by FormatFixed
// under the given decimal separator. The record holds 1 / K_g: a K_g of 0
// ends in the "Floating point division by zero" fault, so the caller refuses
// it first.
std::string formatPassportRecord(const Measurement& state, char separator);

// The record's size in whole kilobits (128 bytes each), as the message after
// writing shows it.
std::size_t passportSizeFigure(std::size_t recordLength);

} // namespace zamt
