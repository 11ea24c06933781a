#pragma once
// Shared by the tests of the calculation windows: their captions and the two
// kinds of message box they show.
#include "platform/MessageBoxes.h"

namespace zamt::test {

inline const QString kFresh = QString::fromUtf8("результат");
inline const QString kCalculate = QString::fromUtf8("считаем?");
inline const QString kRecalculate = QString::fromUtf8("ещё поправки?");

inline MessageBox refusal(const QString& text) { return {BoxKind::Plain, "zamt05", text}; }
inline MessageBox error(const QString& text) { return {BoxKind::Error, "zamt05", text}; }

} // namespace zamt::test
