#pragma once
// The console the program was started from, for --help, --version and the
// messages of --print.
#include <QString>
#include <cstdio>

namespace zamt {

// Makes the standard output and error output reach the console of the
// program that started this one. Nothing to do where they always do; on
// Windows a program with windows has no console of its own, and its output
// would go nowhere. Output already redirected to a file or a pipe stays so.
void attachParentConsole();

// Writes TEXT to STREAM (stdout or stderr) and flushes it. A console shows
// it whole, Cyrillic included, whatever its code page; a file or a pipe
// gets it in the system's own 8-bit encoding.
void writeConsoleText(std::FILE* stream, const QString& text);

} // namespace zamt
