#include "app/TextFile.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/RegularFile.h"

#include <string>

namespace zamt {

QString textForView(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            text += '\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            text += c == '\0' ? ' ' : c;
        }
    }
    return fromCp1251(text);
}

QString readTextForView(const QString& path, std::int64_t capacity) {
    const std::optional<std::string> bytes = readRegularFile(path, capacity);
    if (!bytes)
        throw AppError(QStringLiteral("Text exceeds memo capacity"));
    return textForView(*bytes);
}

} // namespace zamt
