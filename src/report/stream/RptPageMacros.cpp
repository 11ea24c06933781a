#include "report/stream/RptPageMacros.h"

#include "platform/CodePage.h"
#include "report/stream/RptCodes.h"
#include "report/stream/TRptRender.h"

#include <QRegularExpression>

namespace zamt {
namespace {

constexpr std::string_view PageMacroTag = "$PGCM";
constexpr std::string_view VariableMacroTag = "$PGCV";

// The first character of a locale format that is neither a field letter,
// a quote nor a blank: the separator the locale puts between fields.
QChar localeSeparator(const QString& format, QChar fallback) {
    for (const QChar c : format) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('\'') && !c.isSpace())
            return c;
    }
    return fallback;
}

QString macroTwoDigits(int value) {
    return QStringLiteral("%1").arg(value % 100, 2, 10, QLatin1Char('0'));
}

QString macroLongTime(const QTime& time, const QLocale& locale) {
    // The report shows the time only, without the time zone the long format ends with.
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*$"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(zone);
    return locale.toString(time, format);
}

} // namespace

std::vector<std::string> rptTextRuns(std::string_view text) {
    std::vector<std::string> runs;
    size_t at = 0;
    while (at <= text.size()) {
        const size_t command = text.find(RptCode::InlineCommand, at);
        const std::string_view run = text.substr(
            at, command == std::string_view::npos ? std::string_view::npos : command - at);
        if (!run.empty())
            runs.emplace_back(run);
        if (command == std::string_view::npos)
            break;
        const size_t end = text.find(RptCode::InlineCommand, command + 1);
        if (end == std::string_view::npos)
            break;
        at = end + 1;
    }
    return runs;
}

QString rptDateTimeMacro(int index, const QDateTime& moment, const QLocale& locale) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    const QChar dateSep =
        localeSeparator(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
    const QChar timeSep =
        localeSeparator(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
    switch (index) {
    case 0:
        return locale.toString(date, QLocale::ShortFormat);
    case 1:
        return locale.toString(date, QLocale::LongFormat);
    case 2:
        return macroTwoDigits(date.month()) + dateSep + macroTwoDigits(date.day()) + dateSep +
               macroTwoDigits(date.year());
    case 3:
        return macroTwoDigits(date.day()) + dateSep + macroTwoDigits(date.month()) + dateSep +
               macroTwoDigits(date.year());
    case 4:
        return locale.toString(time, QLocale::ShortFormat);
    case 5:
        return macroLongTime(time, locale);
    case 6: {
        const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
        return macroTwoDigits(hour) + timeSep + macroTwoDigits(time.minute()) + QLatin1Char(' ') +
               (time.hour() < 12 ? locale.amText() : locale.pmText());
    }
    case 7:
        return macroTwoDigits(time.hour()) + timeSep + macroTwoDigits(time.minute());
    default:
        return {};
    }
}

namespace {

std::string pageMacroValue(int index, const RptMacroValues& values) {
    if (index >= 0 && index <= 7)
        return toCp1251(rptDateTimeMacro(index, values.reportTime, values.locale));
    switch (index) {
    case 8:
        return std::to_string(values.firstPage);
    case 9:
        return std::to_string(values.lastPage);
    case 10:
        return std::to_string(values.pageCount);
    case 11:
        return std::to_string(values.pageNumber);
    case 12:
        return std::to_string(values.sectionPage);
    case 13:
    case 14:
    case 15:
        return values.renderer ? values.renderer->macroValue(index) : std::string();
    default:
        break;
    }
    if (index >= 16 && index <= 35 && values.renderer) {
        if (auto line = values.renderer->macroLine(index - 16))
            return *line;
    }
    return {};
}

bool isMacroDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string rptExpandMacros(std::string_view text, const RptMacroValues& values) {
    if (text.find(RptCode::MacroStart) == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == RptCode::MacroStart) {
            const std::string_view rest = text.substr(at + 1);
            if (rest.substr(0, PageMacroTag.size()) == PageMacroTag && rest.size() >= 7 &&
                isMacroDigit(rest[5]) && isMacroDigit(rest[6])) {
                out += pageMacroValue((rest[5] - '0') * 10 + (rest[6] - '0'), values);
                at += 8;
                continue;
            }
            if (rest.substr(0, VariableMacroTag.size()) == VariableMacroTag && rest.size() > 6 &&
                rest[5] == RptCode::MacroNameStart) {
                const size_t end = rest.find(RptCode::MacroNameEnd, 6);
                if (end != std::string_view::npos) {
                    const std::string* value =
                        values.variable ? values.variable(rest.substr(6, end - 6)) : nullptr;
                    if (value)
                        out += *value;
                    at += 1 + end + 1;
                    continue;
                }
            }
        }
        // Byte 253 without a macro after it is an ordinary letter.
        out += c;
        ++at;
    }
    return out;
}

} // namespace zamt
