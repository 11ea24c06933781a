#pragma once
// For tests without windows that still need fonts (text layout, painting):
// a QGuiApplication on the offscreen platform, created once.
namespace zamt::test {

void ensureGuiApplication();

} // namespace zamt::test
