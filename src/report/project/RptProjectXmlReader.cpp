#include "report/project/RptPaper.h"
#include "report/project/RptProjectCheck.h"
#include "report/project/RptProjectErrors.h"
#include "report/project/RptProjectLimits.h"
#include "report/project/RptProjectXml.h"
#include "report/project/RptXmlElement.h"

#include <QXmlStreamReader>
#include <array>

namespace zamt {
namespace {

constexpr std::array kFrame = {"x", "y", "width", "height"};
constexpr std::array kStyle = {"font", "fontSize", "bold", "italic", "underline", "color", "align"};

template <typename... Lists> std::vector<const char*> joined(const Lists&... lists) {
    std::vector<const char*> all;
    (all.insert(all.end(), std::begin(lists), std::end(lists)), ...);
    return all;
}

class ProjectXmlReader {
public:
    explicit ProjectXmlReader(const QByteArray& text) : text_(text), xml_(text) {
        // Prefixes are plain parts of a name, so "xmlns" is refused as unknown.
        xml_.setNamespaceProcessing(false);
    }

    RptProjectModel read() {
        requireUtf8();
        RptProjectModel project;
        while (!xml_.atEnd()) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::StartDocument:
                requireUtf8Declaration();
                break;
            case QXmlStreamReader::DTD:
                failDtd();
            case QXmlStreamReader::StartElement:
                if (xml_.qualifiedName() != QLatin1String("project"))
                    fail(QStringLiteral("the text must begin with <project>, not %1").arg(tag()));
                readProject(project);
                break;
            case QXmlStreamReader::Invalid:
                failXml();
            default:
                break;
            }
        }
        if (xml_.hasError())
            failXml();
        rptCheckProject(project);
        return project;
    }

private:
    [[noreturn]] void fail(const QString& what) const {
        rptInvalidProjectAt(xml_.lineNumber(), what);
    }

    [[noreturn]] void failXml() const {
        QString reason = xml_.errorString();
        if (reason.endsWith(QLatin1Char('.')))
            reason.chop(1);
        fail(QStringLiteral("the text is not well-formed XML: ") + reason);
    }

    [[noreturn]] void failDtd() const {
        fail(QStringLiteral("a document type declaration is not allowed"));
    }

    QString tag() const {
        return QLatin1Char('<') + xml_.qualifiedName().toString() + QLatin1Char('>');
    }

    [[noreturn]] void failChild(const QString& parent) const {
        fail(QStringLiteral("%1 is not allowed in %2").arg(tag(), parent));
    }

    // A UTF-16 or UTF-32 text would be taken by the XML reader too.
    void requireUtf8() const {
        const qsizetype nul = text_.indexOf('\0');
        const bool wideMark = text_.startsWith("\xFF\xFE") || text_.startsWith("\xFE\xFF");
        if (nul >= 0 || wideMark)
            rptInvalidProjectAt(text_.first(nul >= 0 ? nul : 0).count('\n') + 1,
                                QStringLiteral("the text is not UTF-8"));
    }

    void requireUtf8Declaration() const {
        const QStringView encoding = xml_.documentEncoding();
        if (!encoding.isEmpty() && encoding.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive))
            fail(QStringLiteral("the text must be UTF-8, not %1").arg(encoding.toString()));
    }

    // Steps to the next element inside `parent`; false at the parent's end.
    bool nextChild(const QString& parent) {
        for (;;) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::StartElement:
                return true;
            case QXmlStreamReader::EndElement:
                return false;
            case QXmlStreamReader::Characters:
                if (!xml_.isWhitespace())
                    fail(QStringLiteral("text is not allowed in %1").arg(parent));
                break;
            case QXmlStreamReader::Comment:
            case QXmlStreamReader::ProcessingInstruction:
                break;
            case QXmlStreamReader::DTD:
                failDtd();
            default:
                failXml();
            }
        }
    }

    void requireNoChildren(const RptXmlElement& element) {
        if (nextChild(element.tag()))
            failChild(element.tag());
    }

    void readProject(RptProjectModel& project) {
        const RptXmlElement element(xml_, {"activeReport"});
        project.activeReport = element.text("activeReport", {}, kRptMaxNameLength);
        while (nextChild(element.tag())) {
            if (xml_.qualifiedName() == QLatin1String("dataView")) {
                if (project.dataViews.size() >= kRptMaxDataViews)
                    fail(QStringLiteral("a project holds at most %1 data views")
                             .arg(kRptMaxDataViews));
                project.dataViews.push_back(readDataView());
            } else if (xml_.qualifiedName() == QLatin1String("report")) {
                if (project.reports.size() >= kRptMaxReports)
                    fail(QStringLiteral("a project holds at most %1 reports").arg(kRptMaxReports));
                project.reports.push_back(readReport());
            } else {
                failChild(element.tag());
            }
        }
    }

    RptDataView readDataView() {
        const RptXmlElement element(xml_, {"name", "connection"});
        RptDataView view;
        view.name = element.name("name");
        view.connection = element.name("connection");
        while (nextChild(element.tag())) {
            if (xml_.qualifiedName() != QLatin1String("field"))
                failChild(element.tag());
            if (view.fields.size() >= kRptMaxFields)
                fail(QStringLiteral("a data view holds at most %1 fields").arg(kRptMaxFields));
            view.fields.push_back(readField());
        }
        return view;
    }

    RptField readField() {
        const RptXmlElement element(xml_, {"name", "type"});
        static const std::vector<std::pair<const char*, TRptDataType>> types = [] {
            std::vector<std::pair<const char*, TRptDataType>> list;
            for (int code = 0; code <= int(TRptDataType::dtInt64); ++code)
                list.emplace_back(rptDataTypeName(TRptDataType(code)).data(), TRptDataType(code));
            return list;
        }();
        RptField field;
        field.name = element.name("name");
        field.type = element.choice("type", TRptDataType::dtString, types);
        requireNoChildren(element);
        return field;
    }

    RptReport readReport() {
        const RptXmlElement element(xml_, {"name", "title", "paper", "paperWidth", "paperHeight",
                                           "orientation", "marginLeft", "marginTop", "marginRight",
                                           "marginBottom", "alwaysGenerate"});
        RptReport report;
        report.name = element.name("name");
        report.title = element.text("title", report.title);
        readPaper(element, report);
        report.orientation = element.choice(
            "orientation", report.orientation,
            std::vector<std::pair<const char*, RptOrientation>>{
                {"portrait", RptOrientation::Portrait}, {"landscape", RptOrientation::Landscape}});
        report.marginLeft = element.number("marginLeft", report.marginLeft, 0, kRptMaxInches);
        report.marginTop = element.number("marginTop", report.marginTop, 0, kRptMaxInches);
        report.marginRight = element.number("marginRight", report.marginRight, 0, kRptMaxInches);
        report.marginBottom = element.number("marginBottom", report.marginBottom, 0, kRptMaxInches);
        report.alwaysGenerate = element.flag("alwaysGenerate", report.alwaysGenerate);
        while (nextChild(element.tag())) {
            const QStringView name = xml_.qualifiedName();
            if (name == QLatin1String("pageHeader"))
                readBand(report.pageHeader);
            else if (name == QLatin1String("detail"))
                readDetail(report.detail);
            else if (name == QLatin1String("pageFooter"))
                readBand(report.pageFooter);
            else
                failChild(element.tag());
        }
        return report;
    }

    void readPaper(const RptXmlElement& element, RptReport& report) {
        const bool sized = element.has("paperWidth") || element.has("paperHeight");
        if (element.has("paper")) {
            if (sized)
                element.fail(QStringLiteral("%1 gives either paper or paperWidth and paperHeight")
                                 .arg(element.tag()));
            std::vector<std::pair<const char*, RptPaperSize>> papers;
            for (const RptNamedPaper& paper : rptNamedPapers())
                papers.emplace_back(paper.name, paper.size);
            const RptPaperSize size = element.choice("paper", RptPaperSize{}, papers);
            report.paperWidth = size.width;
            report.paperHeight = size.height;
        } else if (sized) {
            if (!element.has("paperWidth") || !element.has("paperHeight"))
                element.fail(
                    QStringLiteral("%1 needs both paperWidth and paperHeight").arg(element.tag()));
            report.paperWidth = element.number("paperWidth", 0, 1, kRptMaxInches);
            report.paperHeight = element.number("paperHeight", 0, 1, kRptMaxInches);
        }
    }

    void requireFirst(bool present) const {
        if (present)
            fail(QStringLiteral("a report holds at most one %1").arg(tag()));
    }

    void readBand(std::optional<RptBand>& band) {
        requireFirst(band.has_value());
        const RptXmlElement element(xml_, {"height"});
        band.emplace().height = element.number("height", 0, 0, kRptMaxInches);
        readItems(element, *band, nullptr);
    }

    void readDetail(std::optional<RptDetailBand>& band) {
        requireFirst(band.has_value());
        const RptXmlElement element(xml_, {"height", "dataView"});
        band.emplace();
        band->height = element.number("height", 0, 0, kRptMaxInches);
        band->dataView = element.name("dataView");
        readItems(element, *band, &band->dataView);
    }

    void readItems(const RptXmlElement& band, RptBand& into, const std::string* dataView) {
        while (nextChild(band.tag())) {
            if (into.items.size() >= kRptMaxBandItems)
                fail(QStringLiteral("a band holds at most %1 items").arg(kRptMaxBandItems));
            if (items_ >= kRptMaxProjectItems)
                fail(QStringLiteral("a project holds at most %1 items").arg(kRptMaxProjectItems));
            ++items_;
            into.items.push_back(readItem(band, dataView));
        }
    }

    RptItem readItem(const RptXmlElement& band, const std::string* dataView) {
        const QStringView name = xml_.qualifiedName();
        if (name == QLatin1String("text"))
            return readFixedText();
        if (name == QLatin1String("dataText"))
            return readDataText(dataView);
        if (name == QLatin1String("line"))
            return readLine();
        if (name == QLatin1String("box"))
            return readBox();
        failChild(band.tag());
    }

    static RptItemFrame frame(const RptXmlElement& element) {
        RptItemFrame frame;
        frame.x = element.number("x", 0, 0, kRptMaxInches);
        frame.y = element.number("y", 0, 0, kRptMaxInches);
        frame.width = element.number("width", 0, 0, kRptMaxInches);
        frame.height = element.number("height", 0, 0, kRptMaxInches);
        return frame;
    }

    static RptItemFont font(const RptXmlElement& element) {
        RptItemFont font;
        font.name = element.text("font", font.name, kRptMaxNameLength);
        if (font.name.empty())
            element.fail(QStringLiteral("%1 needs a font name").arg(element.tag()));
        font.size = element.number("fontSize", font.size, kRptMinFontSize, kRptMaxFontSize);
        font.bold = element.flag("bold", font.bold);
        font.italic = element.flag("italic", font.italic);
        font.underline = element.flag("underline", font.underline);
        font.color = element.color("color", font.color);
        return font;
    }

    RptFixedText readFixedText() {
        const RptXmlElement element(xml_, joined(kFrame, kStyle));
        RptFixedText text;
        text.frame = frame(element);
        text.font = font(element);
        text.align = element.align("align", text.align);
        const QString content = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (xml_.hasError())
            failXml();
        text.text = element.content(content, kRptMaxTextLength);
        return text;
    }

    RptDataText readDataText(const std::string* dataView) {
        const RptXmlElement element(xml_, joined(kFrame, kStyle, std::array{"dataView", "field"}));
        RptDataText text;
        text.frame = frame(element);
        text.font = font(element);
        text.align = element.align("align", text.align);
        if (element.has("dataView"))
            text.dataView = element.name("dataView");
        else if (dataView)
            text.dataView = *dataView;
        else
            element.fail(QStringLiteral("%1 outside the detail band needs the attribute dataView")
                             .arg(element.tag()));
        text.field = element.name("field");
        requireNoChildren(element);
        return text;
    }

    RptLine readLine() {
        const RptXmlElement element(xml_, {"x1", "y1", "x2", "y2", "color", "penWidth"});
        RptLine line;
        line.x1 = element.number("x1", 0, 0, kRptMaxInches);
        line.y1 = element.number("y1", 0, 0, kRptMaxInches);
        line.x2 = element.number("x2", 0, 0, kRptMaxInches);
        line.y2 = element.number("y2", 0, 0, kRptMaxInches);
        line.color = element.color("color", line.color);
        line.penWidth = element.number("penWidth", line.penWidth, 0, kRptMaxPenWidth);
        requireNoChildren(element);
        return line;
    }

    RptBox readBox() {
        const RptXmlElement element(xml_, joined(kFrame, std::array{"color", "penWidth", "fill"}));
        RptBox box;
        box.frame = frame(element);
        box.color = element.color("color", box.color);
        box.penWidth = element.number("penWidth", box.penWidth, 0, kRptMaxPenWidth);
        if (element.has("fill"))
            box.fill = element.color("fill", 0);
        requireNoChildren(element);
        return box;
    }

    const QByteArray& text_;
    QXmlStreamReader xml_;
    int items_ = 0;
};

} // namespace

RptProjectModel rptReadProjectXml(const QByteArray& text) {
    return ProjectXmlReader(text).read();
}

} // namespace zamt
