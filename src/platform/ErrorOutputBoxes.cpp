#include "platform/ErrorOutputBoxes.h"

#include "platform/Console.h"

namespace zamt {

void ErrorOutputBoxes::show(const MessageBox& box) {
    ++shown_;
    QString line = kAppTitle + QStringLiteral(": ");
    if (!subject_.isEmpty() && !box.text.contains(subject_))
        line += subject_ + QStringLiteral(": ");
    if (!box.caption.isEmpty() && box.caption != kAppTitle)
        line += box.caption + QStringLiteral(": ");
    QString text = box.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    line += text + QLatin1Char('\n');
    writeConsoleText(stderr, line);
}

} // namespace zamt
