#include "report/stream/RptPageMacros.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "report/stream/RptCodes.h"
#include "report/stream/TRptRender.h"

#include <QRegularExpression>

namespace zamt {
namespace {

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
    case RptMacro::FirstPage:
        return std::to_string(values.firstPage);
    case RptMacro::LastPage:
        return std::to_string(values.lastPage);
    case RptMacro::PageCount:
        return std::to_string(values.pageCount);
    case RptMacro::PageNumber:
        return std::to_string(values.pageNumber);
    case RptMacro::SectionPage:
        return std::to_string(values.sectionPage);
    case 13:
    case 14:
    case 15:
        return values.renderer ? values.renderer->macroValue(index) : std::string();
    default:
        break;
    }
    if (index >= RptMacro::FirstDataLine && index <= RptMacro::LastDataLine && values.renderer) {
        if (auto line = values.renderer->macroLine(index - RptMacro::FirstDataLine))
            return *line;
    }
    return {};
}

bool isMacroDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string rptPageMacro(int index) {
    if (index < 0 || index > 99)
        throw AppError(
            QStringLiteral("There is no page macro %1: macros are numbered 0 to 99.").arg(index));
    std::string text(1, RptMacro::Start);
    text += RptMacro::PageTag;
    text += char('0' + index / 10);
    text += char('0' + index % 10);
    return text;
}

std::string rptVariableMacro(std::string_view name) {
    if (name.find(RptMacro::NameEnd) != std::string_view::npos)
        throw AppError(
            QStringLiteral("The report variable \"%1\" cannot stand in a page macro: byte 251 "
                           "in its name would end the name there.")
                .arg(fromCp1251(name)));
    std::string text(1, RptMacro::Start);
    text += RptMacro::VariableTag;
    text += RptMacro::NameStart;
    text += name;
    text += RptMacro::NameEnd;
    return text;
}

std::optional<RptMacroRef> rptMacroAt(std::string_view text, size_t at) {
    if (at >= text.size() || text[at] != RptMacro::Start)
        return std::nullopt;
    const std::string_view rest = text.substr(at + 1);
    if (rest.starts_with(RptMacro::PageTag)) {
        const size_t digits = RptMacro::PageTag.size();
        if (rest.size() < digits + 2 || !isMacroDigit(rest[digits]) ||
            !isMacroDigit(rest[digits + 1]))
            return std::nullopt;
        return RptMacroRef{
            (rest[digits] - '0') * 10 + (rest[digits + 1] - '0'), {}, 1 + digits + 2};
    }
    if (rest.starts_with(RptMacro::VariableTag)) {
        const size_t name = RptMacro::VariableTag.size() + 1;
        if (rest.size() < name || rest[name - 1] != RptMacro::NameStart)
            return std::nullopt;
        const size_t end = rest.find(RptMacro::NameEnd, name);
        if (end == std::string_view::npos)
            return std::nullopt;
        return RptMacroRef{-1, rest.substr(name, end - name), 1 + end + 1};
    }
    return std::nullopt;
}

std::string rptExpandMacros(std::string_view text, const RptMacroValues& values) {
    if (text.find(RptMacro::Start) == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const std::optional<RptMacroRef> macro = rptMacroAt(text, at);
        if (!macro) {
            // Byte 253 without a macro after it is an ordinary letter.
            out += text[at++];
            continue;
        }
        if (macro->index >= 0) {
            out += pageMacroValue(macro->index, values);
        } else if (const std::string* value =
                       values.variable ? values.variable(macro->name) : nullptr) {
            out += *value;
        }
        at += macro->length;
    }
    return out;
}

} // namespace zamt
