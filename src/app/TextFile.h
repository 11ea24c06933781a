#pragma once
// Reading a text file whole for the main window's text view.
#include <QString>
#include <cstdint>
#include <string_view>

namespace zamt {

// The text view holds at most this many bytes of text (16 MiB); larger files
// are refused so that the view stays responsive.
inline constexpr std::int64_t kMemoCapacity = 16 * 1024 * 1024;

// The file's Windows-1251 text with every line break (CR LF, lone CR, lone
// LF) made one '\n', and NUL bytes shown as blanks. Raises
// "Cannot open file "%s". %s" with the full path and the system's reason (or
// "Not a regular file: a named pipe" and the like: pipes, devices and sockets
// are refused without waiting on them), or "Text exceeds memo capacity" for a
// file larger than the capacity.
QString readTextForView(const QString& path, std::int64_t capacity = kMemoCapacity);

// The line-break rule alone, on Windows-1251 bytes already read.
QString textForView(std::string_view bytes);

} // namespace zamt
