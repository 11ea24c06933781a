#include "platform/CodePage.h"
#include "report/project/RptPaper.h"
#include "report/project/RptProjectXml.h"

#include <QLocale>
#include <QXmlStreamWriter>

namespace zamt {
namespace {

QString number(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString flag(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString color(int32_t value) {
    const uint32_t v = uint32_t(value);
    const uint32_t rgb = ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

QString alignName(RptAlign align) {
    switch (align) {
    case RptAlign::Center:
        return QStringLiteral("center");
    case RptAlign::Right:
        return QStringLiteral("right");
    case RptAlign::Left:
        break;
    }
    return QStringLiteral("left");
}

class ProjectXmlWriter {
public:
    explicit ProjectXmlWriter(QByteArray* out) : xml_(out) {
        xml_.setAutoFormatting(true);
        xml_.setAutoFormattingIndent(2);
    }

    void write(const RptProjectModel& project) {
        xml_.writeStartDocument();
        xml_.writeStartElement(QStringLiteral("project"));
        text("activeReport", project.activeReport);
        for (const RptDataView& view : project.dataViews)
            write(view);
        for (const RptReport& report : project.reports)
            write(report);
        xml_.writeEndElement();
        xml_.writeEndDocument();
    }

private:
    void text(const char* name, const std::string& value) {
        xml_.writeAttribute(QLatin1String(name), fromCp1251(value));
    }
    void attribute(const char* name, const QString& value) {
        xml_.writeAttribute(QLatin1String(name), value);
    }

    void write(const RptDataView& view) {
        xml_.writeStartElement(QStringLiteral("dataView"));
        text("name", view.name);
        text("connection", view.connection);
        for (const RptField& field : view.fields) {
            xml_.writeEmptyElement(QStringLiteral("field"));
            text("name", field.name);
            const std::string_view type = rptDataTypeName(field.type);
            attribute("type", QString::fromLatin1(type.data(), qsizetype(type.size())));
        }
        xml_.writeEndElement();
    }

    void write(const RptReport& report) {
        xml_.writeStartElement(QStringLiteral("report"));
        text("name", report.name);
        text("title", report.title);
        if (const auto paper = rptPaperName({report.paperWidth, report.paperHeight})) {
            text("paper", *paper);
        } else {
            attribute("paperWidth", number(report.paperWidth));
            attribute("paperHeight", number(report.paperHeight));
        }
        attribute("orientation", report.orientation == RptOrientation::Landscape
                                     ? QStringLiteral("landscape")
                                     : QStringLiteral("portrait"));
        attribute("marginLeft", number(report.marginLeft));
        attribute("marginTop", number(report.marginTop));
        attribute("marginRight", number(report.marginRight));
        attribute("marginBottom", number(report.marginBottom));
        attribute("alwaysGenerate", flag(report.alwaysGenerate));
        if (report.pageHeader)
            writeBand("pageHeader", *report.pageHeader, nullptr);
        if (report.detail)
            writeBand("detail", *report.detail, &report.detail->dataView);
        if (report.pageFooter)
            writeBand("pageFooter", *report.pageFooter, nullptr);
        xml_.writeEndElement();
    }

    void writeBand(const char* tag, const RptBand& band, const std::string* dataView) {
        xml_.writeStartElement(QLatin1String(tag));
        attribute("height", number(band.height));
        if (dataView)
            text("dataView", *dataView);
        for (const RptItem& item : band.items)
            std::visit([this](const auto& kind) { writeItem(kind); }, item);
        xml_.writeEndElement();
    }

    void frame(const RptItemFrame& frame) {
        attribute("x", number(frame.x));
        attribute("y", number(frame.y));
        attribute("width", number(frame.width));
        attribute("height", number(frame.height));
    }

    void style(const RptItemFont& font, RptAlign align) {
        text("font", font.name);
        attribute("fontSize", number(font.size));
        attribute("bold", flag(font.bold));
        attribute("italic", flag(font.italic));
        attribute("underline", flag(font.underline));
        attribute("color", color(font.color));
        attribute("align", alignName(align));
    }

    void writeItem(const RptFixedText& item) {
        xml_.writeStartElement(QStringLiteral("text"));
        frame(item.frame);
        style(item.font, item.align);
        xml_.writeCharacters(fromCp1251(item.text));
        xml_.writeEndElement();
    }

    void writeItem(const RptDataText& item) {
        xml_.writeEmptyElement(QStringLiteral("dataText"));
        frame(item.frame);
        style(item.font, item.align);
        text("dataView", item.dataView);
        text("field", item.field);
    }

    void writeItem(const RptLine& item) {
        xml_.writeEmptyElement(QStringLiteral("line"));
        attribute("x1", number(item.x1));
        attribute("y1", number(item.y1));
        attribute("x2", number(item.x2));
        attribute("y2", number(item.y2));
        attribute("color", color(item.color));
        attribute("penWidth", number(item.penWidth));
    }

    void writeItem(const RptBox& item) {
        xml_.writeEmptyElement(QStringLiteral("box"));
        frame(item.frame);
        attribute("color", color(item.color));
        attribute("penWidth", number(item.penWidth));
        if (item.fill)
            attribute("fill", color(*item.fill));
    }

    QXmlStreamWriter xml_;
};

} // namespace

QByteArray rptWriteProjectXml(const RptProjectModel& project) {
    QByteArray out;
    ProjectXmlWriter(&out).write(project);
    return out;
}

} // namespace zamt
