#include "ProjectTestSupport.h"
#include "../stream/StreamTestSupport.h"
#include "platform/CodePage.h"
#include "report/project/RptProjectFile.h"
#include "report/project/RptProjectXml.h"

#include <gtest/gtest.h>

namespace zamt::test {
namespace {

// The pieces of a valid project that the damaged ones are made of.
const std::string kView =
    R"(<dataView name="V" connection="RptCustomConnection1"><field name="StrField"/></dataView>)";
const std::string kDetail =
    R"(<detail height="0.2" dataView="V"><dataText field="StrField" width="1"/></detail>)";

std::string report(const std::string& attributes, const std::string& bands = kDetail) {
    return "<report name=\"R\" " + attributes + ">" + bands + "</report>";
}

std::string repeated(const std::string& piece, int times) {
    std::string all;
    for (int i = 0; i < times; ++i)
        all += piece;
    return all;
}

std::string withText(const std::string& text) {
    return kView + report("", "<pageHeader><text>" + text + "</text></pageHeader>" + kDetail);
}

std::string line1(const std::string& what) {
    return "Invalid report project, line 1: " + what + ".";
}

std::string whole(const std::string& what) {
    return "Invalid report project: " + what + ".";
}

TEST(ProjectReader, ReadsTheMinimalProject) {
    const RptProjectModel project = rptReadProjectXml(minimalProjectXml());
    ASSERT_EQ(project.reports.size(), 1u);
    ASSERT_EQ(project.dataViews.size(), 1u);
    EXPECT_EQ(project.activeReport, "R");
    const RptDataView& view = project.dataViews[0];
    EXPECT_EQ(view.connection, "RptCustomConnection1");
    ASSERT_EQ(view.fields.size(), 1u);
    EXPECT_EQ(view.fields[0].type, TRptDataType::dtString);
    const RptReport& r = project.reports[0];
    EXPECT_FALSE(r.pageHeader.has_value());
    EXPECT_FALSE(r.pageFooter.has_value());
    ASSERT_TRUE(r.detail.has_value());
    ASSERT_EQ(r.detail->items.size(), 1u);
    // A data text of the detail band reads the band's data view by default.
    const auto& text = std::get<RptDataText>(r.detail->items[0]);
    EXPECT_EQ(text.dataView, "V");
    EXPECT_EQ(text.field, "StrField");
    EXPECT_EQ(text.font, RptItemFont{});
    EXPECT_EQ(r.title, "Untitled Report");
    EXPECT_EQ(r.paperWidth, 8.5);
    EXPECT_EQ(r.marginLeft, 0.5);
}

TEST(ProjectReader, RefusesEveryDamageWithItsMessage) {
    const std::string emoji = "\xF0\x9F\x98\x80";
    const struct {
        const char* what;
        QByteArray text;
        std::string message;
    } cases[] = {
        {"empty text", "", line1("the text is not well-formed XML: Premature end of document")},
        {"truncated", "<project><report name=\"R\"",
         line1("the text is not well-formed XML: Premature end of document")},
        {"not XML", "RPJ project", line1("the text is not well-formed XML: Start tag expected")},
        {"other root", "<report name=\"R\"/>",
         line1("the text must begin with <project>, not <report>")},
        {"content after the root", projectXml("", kView + report("")) + "<x/>",
         line1("the text is not well-formed XML: Extra content at end of document")},
        {"unknown element", projectXml("", "<foo/>"), line1("<foo> is not allowed in <project>")},
        {"unknown element in a band",
         projectXml("", kView + report("", "<pageFooter><circle/></pageFooter>")),
         line1("<circle> is not allowed in <pageFooter>")},
        {"element in a field",
         projectXml("", "<dataView name=\"V\" connection=\"C\"><field name=\"F\"><x/></field>"
                        "</dataView>"),
         line1("<x> is not allowed in <field>")},
        {"unknown attribute", projectXml("colour=\"red\"", ""),
         line1("<project> has no attribute \"colour\"")},
        {"namespace declaration", projectXml("xmlns=\"urn:x\"", ""),
         line1("<project> has no attribute \"xmlns\"")},
        {"stray text", projectXml("", "hello"), line1("text is not allowed in <project>")},
        {"document type", "<!DOCTYPE project [<!ENTITY e \"x\">]><project/>",
         line1("a document type declaration is not allowed")},
        {"undeclared entity", projectXml("", "&e;"),
         line1("the text is not well-formed XML: Entity 'e' not declared")},
        {"other encoding", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><project/>",
         line1("the text must be UTF-8, not ISO-8859-1")},
        {"broken UTF-8", projectXml("", "\xC3"),
         line1("the text is not well-formed XML: Encountered incorrectly encoded content")},
        {"UTF-16", QByteArray("<\0p\0/\0>\0", 8), line1("the text is not UTF-8")},
        {"no report", projectXml("", kView), whole("it holds no report")},
        {"report without name", projectXml("", "<report/>"),
         line1("<report> needs the attribute name")},
        {"empty name", projectXml("", "<report name=\"\"/>"),
         line1("<report> attribute name=\"\" is not a name of 1 to 255 characters")},
        {"name too long", projectXml("", "<report name=\"" + std::string(256, 'n') + "\"/>"),
         line1("<report> attribute name is longer than 255 characters")},
        {"unknown paper", projectXml("", kView + report("paper=\"A9\"")),
         line1("<report> attribute paper=\"A9\" is not one of A3, A4, A5, B5, Letter, Legal, "
               "Executive")},
        {"paper named and sized", projectXml("", kView + report("paper=\"A4\" paperWidth=\"8\"")),
         line1("<report> gives either paper or paperWidth and paperHeight")},
        {"paper width alone", projectXml("", kView + report("paperWidth=\"8\"")),
         line1("<report> needs both paperWidth and paperHeight")},
        {"negative margin", projectXml("", kView + report("marginLeft=\"-1\"")),
         line1("<report> attribute marginLeft=\"-1\" is not a number from 0 to 100")},
        {"NaN margin", projectXml("", kView + report("marginTop=\"nan\"")),
         line1("<report> attribute marginTop=\"nan\" is not a number from 0 to 100")},
        {"infinite paper", projectXml("", kView + report("paperWidth=\"inf\" paperHeight=\"11\"")),
         line1("<report> attribute paperWidth=\"inf\" is not a number from 1 to 100")},
        {"huge band", projectXml("", kView + report("", "<pageHeader height=\"1e9\"/>")),
         line1("<pageHeader> attribute height=\"1e9\" is not a number from 0 to 100")},
        {"comma decimal", projectXml("", kView + report("", "<pageHeader height=\"0,5\"/>")),
         line1("<pageHeader> attribute height=\"0,5\" is not a number from 0 to 100")},
        {"font size",
         projectXml("", kView + report("", "<pageHeader><text fontSize=\"abc\"/></pageHeader>")),
         line1("<text> attribute fontSize=\"abc\" is not a number from 1 to 1000")},
        {"empty font",
         projectXml("", kView + report("", "<pageHeader><text font=\"\"/></pageHeader>")),
         line1("<text> needs a font name")},
        {"flag", projectXml("", kView + report("alwaysGenerate=\"yes\"")),
         line1("<report> attribute alwaysGenerate=\"yes\" is not one of true, false")},
        {"orientation", projectXml("", kView + report("orientation=\"sideways\"")),
         line1("<report> attribute orientation=\"sideways\" is not one of portrait, landscape")},
        {"colour",
         projectXml("", kView + report("", "<pageHeader><line color=\"red\"/></pageHeader>")),
         line1("<line> attribute color=\"red\" is not a colour #RRGGBB")},
        {"colour digits",
         projectXml("", kView + report("", "<pageHeader><box fill=\"#12345G\"/></pageHeader>")),
         line1("<box> attribute fill=\"#12345G\" is not a colour #RRGGBB")},
        {"pen width",
         projectXml("", kView + report("", "<pageHeader><line penWidth=\"73\"/></pageHeader>")),
         line1("<line> attribute penWidth=\"73\" is not a number from 0 to 72")},
        {"alignment",
         projectXml("", kView + report("", "<pageHeader><text align=\"middle\"/></pageHeader>")),
         line1("<text> attribute align=\"middle\" is not one of left, center, right")},
        {"data type",
         projectXml("", "<dataView name=\"V\" connection=\"C\"><field name=\"F\" "
                        "type=\"dtText\"/></dataView>"),
         line1("<field> attribute type=\"dtText\" is not one of dtString, dtInteger, dtBoolean, "
               "dtFloat, dtCurrency, dtBCD, dtDate, dtTime, dtDateTime, dtBlob, dtMemo, "
               "dtGraphic, dtInt64")},
        {"data view without connection", projectXml("", "<dataView name=\"V\"/>"),
         line1("<dataView> needs the attribute connection")},
        {"element in a text", projectXml("", withText("a<b/>")),
         line1("the text is not well-formed XML: Expected character data")},
        {"line break in a text", projectXml("", withText("a\nb")),
         line1("the text of <text> holds a line break or another control character")},
        {"character outside the code page", projectXml("", withText("smile " + emoji)),
         line1("the text of <text> holds \"" + emoji + "\", which Windows-1251 lacks")},
        {"text too long", projectXml("", withText(std::string(16384, 't'))),
         line1("the text of <text> is longer than 16383 characters")},
        {"two page headers", projectXml("", kView + report("", "<pageHeader/><pageHeader/>")),
         line1("a report holds at most one <pageHeader>")},
        {"detail without data view", projectXml("", kView + report("", "<detail/>")),
         line1("<detail> needs the attribute dataView")},
        {"data text outside the detail band",
         projectXml("", kView + report("", "<pageFooter><dataText field=\"F\"/></pageFooter>")),
         line1("<dataText> outside the detail band needs the attribute dataView")},
        {"data text without field",
         projectXml("", kView + report("", "<detail dataView=\"V\"><dataText/></detail>")),
         line1("<dataText> needs the attribute field")},
        {"unknown data view of the detail band",
         projectXml("", kView + report("", "<detail dataView=\"W\"/>")),
         whole("the detail band of the report \"R\" reads the data view \"W\", which the project "
               "does not have")},
        {"unknown field",
         projectXml("", kView + report("", "<detail dataView=\"V\"><dataText "
                                           "field=\"Other\"/></detail>")),
         whole("a data text of the report \"R\" reads the field \"Other\", which the data view "
               "\"V\" does not have")},
        {"unknown data view of a data text",
         projectXml("", kView + report("", "<pageHeader><dataText dataView=\"W\" "
                                           "field=\"F\"/></pageHeader>")),
         whole("a data text of the report \"R\" reads the data view \"W\", which the project "
               "does not have")},
        {"two reports of one name", projectXml("", kView + report("") + report("")),
         whole("two reports are named \"R\"")},
        {"two data views of one name", projectXml("", kView + kView + report("")),
         whole("two data views are named \"V\"")},
        {"fields differing in case",
         projectXml("", "<dataView name=\"V\" connection=\"C\"><field name=\"StrField\"/>"
                        "<field name=\"STRFIELD\"/></dataView><report name=\"R\"/>"),
         whole("the data view \"V\" has two fields named \"STRFIELD\"")},
        {"margins leave no room",
         projectXml("", kView + report("marginLeft=\"4.25\" marginRight=\"4.25\"")),
         whole("the report \"R\" leaves no room between its margins")},
        {"bands higher than the page",
         projectXml("", kView + report("", "<pageHeader height=\"5\"/><pageFooter "
                                           "height=\"5.1\"/>" +
                                               kDetail)),
         whole("the bands of the report \"R\" are 10.3 inches high together, more than the 10 "
               "inches between its top and bottom margins")},
        {"landscape turns the page",
         projectXml("", kView + report("orientation=\"landscape\"",
                                       "<pageHeader height=\"7.6\"/>" + kDetail)),
         whole("the bands of the report \"R\" are 7.8 inches high together, more than the 7.5 "
               "inches between its top and bottom margins")},
        {"too many items in a band",
         projectXml(
             "", kView + report("", "<pageHeader>" + repeated("<line/>", 10001) + "</pageHeader>")),
         line1("a band holds at most 10000 items")},
        {"too many reports", projectXml("", repeated("<report name=\"R\"/>", 101)),
         line1("a project holds at most 100 reports")},
        {"too many data views", projectXml("", repeated(kView, 101)),
         line1("a project holds at most 100 data views")},
        {"too many fields",
         projectXml("", "<dataView name=\"V\" connection=\"C\">" +
                            repeated("<field name=\"F\"/>", 1001) + "</dataView>"),
         line1("a data view holds at most 1000 fields")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { rptReadProjectXml(c.text); }), c.message) << c.what;
        // The same through a whole file.
        EXPECT_EQ(errorOf([&] { rptReadProject(framed(c.text)); }), c.message) << c.what;
    }
}

TEST(ProjectReader, NamesTheLineOfTheFault) {
    const QByteArray text = "<project>\n"
                            "  <!-- a comment -->\n"
                            "  <report name=\"R\">\n"
                            "    <pageHeader height=\"0.5\">\n"
                            "      <txt/>\n"
                            "    </pageHeader>\n"
                            "  </report>\n"
                            "</project>\n";
    EXPECT_EQ(errorOf([&] { rptReadProjectXml(text); }),
              "Invalid report project, line 5: <txt> is not allowed in <pageHeader>.");
}

TEST(ProjectReader, BoundsTheItemsOfTheWholeProject) {
    // Ten reports of 10000 items each are allowed; the next item is not.
    std::string reports;
    const std::string band = "<pageHeader>" + repeated("<line/>", 10000) + "</pageHeader>";
    for (int i = 0; i < 10; ++i)
        reports += "<report name=\"R" + std::to_string(i) + "\">" + band + "</report>";
    reports += "<report name=\"last\"><pageHeader><box/></pageHeader></report>";
    const QByteArray text = projectXml("", reports).replace("\n", "");
    EXPECT_EQ(errorOf([&] { rptReadProjectXml(text); }),
              line1("a project holds at most 100000 items"));
}

TEST(ProjectReader, TakesCommentsCdataAndEntitiesInTexts) {
    const QByteArray text = projectXml(
        "", kView + report("", "<pageHeader><!-- title --><text>a &lt;b&gt; &#x416;<![CDATA[&c]]>"
                               "</text></pageHeader>"));
    const RptProjectModel project = rptReadProjectXml(text);
    const auto& item = std::get<RptFixedText>(project.reports[0].pageHeader->items[0]);
    EXPECT_EQ(item.text, cp1251("a <b> Ж&c"));
}

TEST(ProjectReader, ReadsTheValuesOfEveryAttribute) {
    const QByteArray text = projectXml(
        "activeReport=\"Отчёт\"",
        "<dataView name=\"Данные\" connection=\"RptCustomConnection1\">"
        "<field name=\"N\" type=\"dtInt64\"/><field name=\"S\"/></dataView>"
        "<report name=\"Отчёт\" title=\"Заголовок\" paperWidth=\"8.25\" paperHeight=\"11.75\" "
        "orientation=\"landscape\" marginLeft=\"0.25\" marginTop=\"0.3\" marginRight=\"0.35\" "
        "marginBottom=\"0.4\" alwaysGenerate=\"true\">"
        "<pageFooter height=\"0.5\"><text x=\"1.5\" y=\"0.1\" width=\"3\" height=\"0.25\" "
        "font=\"Liberation Mono\" fontSize=\"7.5\" bold=\"true\" italic=\"true\" "
        "underline=\"true\" color=\"#102030\" align=\"right\">Стр. {page}</text>"
        "<box x=\"0.5\" y=\"0\" width=\"2\" height=\"0.4\" color=\"#FF0000\" penWidth=\"1.5\" "
        "fill=\"#00ff80\"/></pageFooter></report>");
    const RptProjectModel project = rptReadProjectXml(text);
    EXPECT_EQ(project.activeReport, cp1251("Отчёт"));
    EXPECT_EQ(project.dataViews[0].fields[0].type, TRptDataType::dtInt64);
    const RptReport& r = project.reports[0];
    EXPECT_EQ(r.title, cp1251("Заголовок"));
    EXPECT_EQ(r.paperWidth, 8.25);
    EXPECT_EQ(r.paperHeight, 11.75);
    EXPECT_EQ(r.orientation, RptOrientation::Landscape);
    EXPECT_EQ(r.marginLeft, 0.25);
    EXPECT_EQ(r.marginTop, 0.3);
    EXPECT_EQ(r.marginRight, 0.35);
    EXPECT_EQ(r.marginBottom, 0.4);
    EXPECT_TRUE(r.alwaysGenerate);
    ASSERT_TRUE(r.pageFooter.has_value());
    const auto& text1 = std::get<RptFixedText>(r.pageFooter->items[0]);
    EXPECT_EQ(text1.frame, (RptItemFrame{1.5, 0.1, 3, 0.25}));
    EXPECT_EQ(text1.font, (RptItemFont{"Liberation Mono", 7.5, true, true, true, 0x302010}));
    EXPECT_EQ(text1.align, RptAlign::Right);
    EXPECT_EQ(text1.text, cp1251("Стр. {page}"));
    const auto& box = std::get<RptBox>(r.pageFooter->items[1]);
    EXPECT_EQ(box.color, 0x0000FF);
    EXPECT_EQ(box.penWidth, 1.5);
    EXPECT_EQ(box.fill, std::optional<int32_t>(0x80FF00));
}

} // namespace
} // namespace zamt::test
