#pragma once
// Opening a file of the user's for reading: only regular files, and never
// waiting on a named pipe or a device that was given the name.
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QFile;

namespace zamt {

// AppError "Cannot open file "%s". %s" with the full path and the reason.
[[noreturn]] void throwCannotOpen(const QString& path, const QString& reason);
// The same with the system's text for its error code `error` (SystemError.h).
[[noreturn]] void throwCannotOpen(const QString& path, int error);

// The file's bytes, read whole, or nothing when it holds more than `limit`
// bytes (whatever size its folder entry claims, as in /proc). Pipes,
// devices, sockets and folders are refused ("Not a regular file: a named
// pipe" and the like), also when the name was given to one between the
// check and the opening.
std::optional<std::string> readRegularFile(const QString& path, std::int64_t limit);

// The file as a QFile open for reading; writing stays with others, but the
// file is only read through it.
std::unique_ptr<QFile> openRegularFileForReading(const QString& path);

} // namespace zamt
