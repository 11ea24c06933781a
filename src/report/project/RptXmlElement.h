#pragma once
// The attributes of one element of a project text, read with the rules of
// the format: only the attributes the element knows, each value well formed
// and within its bounds. Every refusal raises "Invalid report project, line
// N: ..." naming the element, the attribute and the value.
#include "report/stream/RptTypes.h"

#include <QString>
#include <QStringList>
#include <QXmlStreamAttributes>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QXmlStreamReader;

namespace zamt {

class RptXmlElement {
public:
    // The reader stands on the element's start; `known` lists its attributes.
    RptXmlElement(const QXmlStreamReader& xml, const std::vector<const char*>& known);

    const QString& tag() const { return tag_; }
    qint64 line() const { return line_; }
    bool has(const char* attribute) const;
    [[noreturn]] void fail(const QString& what) const;

    // A name: required, 1 to kRptMaxNameLength characters of Windows-1251.
    std::string name(const char* attribute) const;
    // A Windows-1251 text of at most `maxLength` characters without line
    // breaks or other control characters.
    std::string text(const char* attribute, const std::string& fallback,
                     int maxLength = 16383) const;
    // A decimal number from `min` to `max` ("1.5"; no NaN, no infinity).
    double number(const char* attribute, double fallback, double min, double max) const;
    // "true" or "false".
    bool flag(const char* attribute, bool fallback) const;
    // "#RRGGBB", as a page stream colour 0x00BBGGRR.
    int32_t color(const char* attribute, int32_t fallback) const;
    RptAlign align(const char* attribute, RptAlign fallback) const;
    // One of the given words.
    template <typename T>
    T choice(const char* attribute, T fallback,
             const std::vector<std::pair<const char*, T>>& words) const {
        const std::optional<QString> value = raw(attribute);
        if (!value)
            return fallback;
        for (const auto& [word, meaning] : words)
            if (*value == QLatin1String(word))
                return meaning;
        failChoice(attribute, *value, wordList(words));
    }

    // A text of the element's content checked like `text`.
    std::string content(const QString& value, int maxLength) const;

private:
    std::optional<QString> raw(const char* attribute) const;
    std::string checkedText(const QString& value, int maxLength, const QString& what) const;
    [[noreturn]] void failValue(const char* attribute, const QString& value,
                                const QString& expected) const;
    [[noreturn]] void failChoice(const char* attribute, const QString& value,
                                 const QString& words) const;
    template <typename T>
    static QString wordList(const std::vector<std::pair<const char*, T>>& words) {
        QStringList list;
        for (const auto& word : words)
            list << QLatin1String(word.first);
        return list.join(QLatin1String(", "));
    }

    QString tag_;
    qint64 line_;
    QXmlStreamAttributes attributes_;
};

} // namespace zamt
