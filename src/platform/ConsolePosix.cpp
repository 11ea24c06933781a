#include "platform/Console.h"

namespace zamt {

void attachParentConsole() {}

void writeConsoleText(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace zamt
