#include "report/project/RptXmlElement.h"

#include "platform/CodePage.h"
#include "report/project/RptProjectErrors.h"
#include "report/project/RptProjectLimits.h"

#include <QXmlStreamReader>
#include <cmath>

namespace zamt {
namespace {

// Values are quoted in messages, but a huge one only by its start.
QString quoted(const QString& value) {
    constexpr qsizetype shown = 40;
    if (value.size() <= shown)
        return QLatin1Char('"') + value + QLatin1Char('"');
    return QLatin1Char('"') + value.left(shown) + QStringLiteral("...\"");
}

int hexDigit(QChar c) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    return -1;
}

} // namespace

RptXmlElement::RptXmlElement(const QXmlStreamReader& xml, const std::vector<const char*>& known)
    : tag_(QLatin1Char('<') + xml.qualifiedName().toString() + QLatin1Char('>')),
      line_(xml.lineNumber()), attributes_(xml.attributes()) {
    for (const QXmlStreamAttribute& attribute : attributes_) {
        bool isKnown = false;
        for (const char* name : known)
            isKnown = isKnown || attribute.qualifiedName() == QLatin1String(name);
        if (!isKnown)
            fail(QStringLiteral("%1 has no attribute %2")
                     .arg(tag_, quoted(attribute.qualifiedName().toString())));
    }
}

bool RptXmlElement::has(const char* attribute) const {
    return attributes_.hasAttribute(QLatin1String(attribute));
}

void RptXmlElement::fail(const QString& what) const {
    rptInvalidProjectAt(line_, what);
}

std::optional<QString> RptXmlElement::raw(const char* attribute) const {
    if (!has(attribute))
        return std::nullopt;
    return attributes_.value(QLatin1String(attribute)).toString();
}

void RptXmlElement::failValue(const char* attribute, const QString& value,
                              const QString& expected) const {
    fail(QStringLiteral("%1 attribute %2=%3 is not %4")
             .arg(tag_, QLatin1String(attribute), quoted(value), expected));
}

void RptXmlElement::failChoice(const char* attribute, const QString& value,
                               const QString& words) const {
    failValue(attribute, value, QStringLiteral("one of ") + words);
}

std::string RptXmlElement::checkedText(const QString& value, int maxLength,
                                       const QString& what) const {
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            fail(what + QStringLiteral(" holds a line break or another control character"));
        if (c != QLatin1Char('?') && cp1251Byte(c) == '?') {
            const QString character =
                c.isHighSurrogate() && i + 1 < value.size() ? value.mid(i, 2) : QString(c);
            fail(what +
                 QStringLiteral(" holds %1, which Windows-1251 lacks").arg(quoted(character)));
        }
    }
    if (value.size() > maxLength)
        fail(what + QStringLiteral(" is longer than %1 characters").arg(maxLength));
    return toCp1251(value);
}

std::string RptXmlElement::name(const char* attribute) const {
    const std::optional<QString> value = raw(attribute);
    if (!value)
        fail(QStringLiteral("%1 needs the attribute %2").arg(tag_, QLatin1String(attribute)));
    if (value->isEmpty())
        failValue(attribute, *value,
                  QStringLiteral("a name of 1 to %1 characters").arg(kRptMaxNameLength));
    return checkedText(*value, kRptMaxNameLength,
                       QStringLiteral("%1 attribute %2").arg(tag_, QLatin1String(attribute)));
}

std::string RptXmlElement::text(const char* attribute, const std::string& fallback,
                                int maxLength) const {
    const std::optional<QString> value = raw(attribute);
    if (!value)
        return fallback;
    return checkedText(*value, maxLength,
                       QStringLiteral("%1 attribute %2").arg(tag_, QLatin1String(attribute)));
}

std::string RptXmlElement::content(const QString& value, int maxLength) const {
    return checkedText(value, maxLength, QStringLiteral("the text of ") + tag_);
}

double RptXmlElement::number(const char* attribute, double fallback, double min, double max) const {
    const std::optional<QString> value = raw(attribute);
    if (!value)
        return fallback;
    bool ok = false;
    const double number = value->toDouble(&ok);
    // toDouble also takes "nan" and "inf"; the comparison refuses both.
    if (!ok || !std::isfinite(number) || number < min || number > max)
        failValue(attribute, *value, QStringLiteral("a number from %1 to %2").arg(min).arg(max));
    return number;
}

bool RptXmlElement::flag(const char* attribute, bool fallback) const {
    return choice<bool>(attribute, fallback, {{"true", true}, {"false", false}});
}

int32_t RptXmlElement::color(const char* attribute, int32_t fallback) const {
    const std::optional<QString> value = raw(attribute);
    if (!value)
        return fallback;
    int rgb[6] = {};
    bool ok = value->size() == 7 && value->front() == QLatin1Char('#');
    for (int i = 0; ok && i < 6; ++i) {
        rgb[i] = hexDigit(value->at(i + 1));
        ok = rgb[i] >= 0;
    }
    if (!ok)
        failValue(attribute, *value, QStringLiteral("a colour #RRGGBB"));
    const int red = rgb[0] * 16 + rgb[1];
    const int green = rgb[2] * 16 + rgb[3];
    const int blue = rgb[4] * 16 + rgb[5];
    return int32_t(red | (green << 8) | (blue << 16));
}

RptAlign RptXmlElement::align(const char* attribute, RptAlign fallback) const {
    return choice<RptAlign>(
        attribute, fallback,
        {{"left", RptAlign::Left}, {"center", RptAlign::Center}, {"right", RptAlign::Right}});
}

} // namespace zamt
