#include "report/stream/RptStatusText.h"

namespace zamt {
namespace {

QString macro(QChar code, const RptStatusValues& v) {
    const QChar upper = code.toUpper();
    if (upper.isDigit() && upper.unicode() < 128) {
        const int line = upper.digitValue();
        return line < v.lines.size() ? v.lines[line] : QString();
    }
    switch (upper.unicode()) {
    case '%':
        return QStringLiteral("%");
    case 'C':
        return QString::number(v.pass);
    case 'D':
        return v.device;
    case 'F':
        return QString::number(v.firstPage);
    case 'L':
        return QString::number(v.lastPage);
    case 'N':
        return QStringLiteral("\r");
    case 'P':
        return QString::number(v.page);
    case 'R':
        return v.driver;
    case 'S':
        return QString::number(v.passes);
    case 'T':
        return v.port;
    default:
        return QStringLiteral("<ERROR-%") + upper + QLatin1Char('>');
    }
}

} // namespace

QString rptStatusText(const QString& format, const RptStatusValues& values) {
    QString result;
    result.reserve(format.size());
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != QLatin1Char('%') || i + 1 == format.size()) {
            result += format[i];
            continue;
        }
        result += macro(format[++i], values);
    }
    return result;
}

} // namespace zamt
