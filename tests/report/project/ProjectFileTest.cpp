#include "DefaultProject.h"
#include "ProjectTestSupport.h"
#include "../stream/StreamTestSupport.h"
#include "platform/CodePage.h"
#include "report/project/RptPageNotation.h"
#include "report/project/RptPaper.h"
#include "report/project/RptProjectFile.h"
#include "report/project/RptProjectHeader.h"
#include "report/project/RptProjectXml.h"
#include "report/stream/RptPageMacros.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zamt::test {
namespace {

// A project that uses every element and attribute with other values than
// the defaults, Cyrillic names and texts included.
RptProjectModel everything() {
    RptProjectModel project;
    project.activeReport = cp1251("Второй");
    project.dataViews.push_back({cp1251("Строки"),
                                 "RptCustomConnection1",
                                 {{"StrField", TRptDataType::dtString},
                                  {"Count", TRptDataType::dtInteger},
                                  {"When", TRptDataType::dtDateTime}}});
    project.dataViews.push_back({"Empty", "Other", {}});

    RptReport first;
    first.name = "First";
    project.reports.push_back(first);

    RptReport r;
    r.name = cp1251("Второй");
    r.title = cp1251("Заголовок «отчёта» & <всё>");
    r.paperWidth = 9.125;
    r.paperHeight = 12.2;
    r.orientation = RptOrientation::Landscape;
    r.marginLeft = 0.1;
    r.marginTop = 0.2;
    r.marginRight = 0.3;
    r.marginBottom = 0.4;
    r.alwaysGenerate = true;
    RptFixedText title;
    title.frame = {0.25, 0.05, 6.5, 0.3};
    title.font = {"Liberation Mono", 13.5, true, true, true, 0x00123456};
    title.align = RptAlign::Center;
    title.text = cp1251("Страница {page} из {pages} {{ }");
    RptLine line{0.1, 0.2, 6.3, 0.4, 0x0000FF, 0.75};
    RptBox box;
    box.frame = {0, 0, 1, 0.5};
    box.color = 0x00FF00;
    box.penWidth = 2;
    box.fill = 0x00EEDDCC;
    RptBox plainBox;
    plainBox.frame = {1, 0.1, 0.2, 0.3};
    r.pageHeader = RptBand{0.6, {title, line, box, plainBox}};
    RptDataText value;
    value.frame = {0.5, 0, 4, 0.2};
    value.align = RptAlign::Right;
    value.dataView = cp1251("Строки");
    value.field = "Count";
    RptDetailBand detail;
    detail.height = 0.2;
    detail.dataView = cp1251("Строки");
    detail.items = {value};
    r.detail = detail;
    RptDataText other = value;
    other.field = "StrField";
    r.pageFooter = RptBand{0.3, {other}};
    project.reports.push_back(r);
    return project;
}

TEST(ProjectFile, WritesTheHeaderLaidOutByHand) {
    // CRC-16/X-25, as the format names it.
    EXPECT_EQ(qChecksum(QByteArrayView("123456789")), 0x906E);
    const QByteArray file = rptFrameProjectText("<p/>");
    EXPECT_EQ(file.toHex(), "52504a1a" // "RPJ", 26
                            "0100"     // version 1
                            "04000000" // four bytes of text
                            "93c8"     // check word
                            "3c702f3e");
    EXPECT_EQ(rptProjectText(file), "<p/>");
}

TEST(ProjectFile, RefusesDamagedFramesWithTheirMessages) {
    const QByteArray good = framed(minimalProjectXml());
    const auto patched = [&](qsizetype at, char byte) {
        QByteArray copy = good;
        copy[at] = byte;
        return copy;
    };
    // A header announcing one byte more than a project may hold, with a
    // correct check word.
    QByteArray huge = rptFrameProjectText("x").left(kRptProjectHeaderSize);
    huge[6] = 1;
    huge[7] = 0;
    huge[8] = 0;
    huge[9] = 1;
    const quint16 check = qChecksum(QByteArrayView(huge).first(10));
    huge[10] = char(check & 0xFF);
    huge[11] = char(check >> 8);
    const std::string textLength = std::to_string(minimalProjectXml().size());
    const struct {
        const char* what;
        QByteArray file;
        std::string message;
    } cases[] = {
        {"one byte", "R", "Invalid Project Format"},
        {"other signature", patched(0, 'X'), "Invalid Project Format"},
        {"no byte 26", patched(3, ' '), "Invalid Project Format"},
        {"text without a frame", minimalProjectXml(), "Invalid Project Format"},
        {"signature alone", "RPJ\x1A", "Invalid Project Header Code"},
        {"short header", good.left(11), "Invalid Project Header Code"},
        {"other version", patched(4, 2), "Invalid Project Header Code"},
        {"length changed", patched(6, char(good[6] + 1)), "Invalid Project Header Code"},
        {"check word changed", patched(10, char(good[10] ^ 1)), "Invalid Project Header Code"},
        {"text too long", huge,
         "Invalid report project: its text is 16777217 bytes long, more than the 16777216 a "
         "project may hold."},
        {"text cut short", good.left(good.size() - 5),
         "Invalid report project: the file ends after " +
             std::to_string(minimalProjectXml().size() - 5) + " of the " + textLength +
             " bytes of project text its header announces."},
        {"bytes after the text", good + "\n",
         "Invalid report project: the file goes on after the " + textLength +
             " bytes of project text its header announces."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { rptReadProject(c.file); }), c.message) << c.what;
    EXPECT_EQ(errorOf([&] { rptReadProject(good); }), "no error");
}

TEST(ProjectFile, ZeroLengthFileHoldsOneEmptyReport) {
    const RptProjectModel project = rptReadProject(QByteArray());
    ASSERT_EQ(project.reports.size(), 1u);
    EXPECT_EQ(project.reports[0].name, "Report1");
    EXPECT_EQ(project.activeReport, "Report1");
    EXPECT_FALSE(project.reports[0].detail.has_value());
    EXPECT_TRUE(project.dataViews.empty());
    EXPECT_EQ(project, rptEmptyProject());
}

TEST(ProjectFile, ReadsBackWhatItWrote) {
    const RptProjectModel projects[] = {everything(), rptEmptyProject(), rptDefaultProject()};
    for (const RptProjectModel& project : projects) {
        const QByteArray file = rptWriteProject(project);
        EXPECT_EQ(rptReadProject(file), project);
        EXPECT_EQ(rptWriteProject(rptReadProject(file)), file);
    }
}

TEST(ProjectFile, WritesNamedPapersByName) {
    RptProjectModel project = rptEmptyProject();
    const QByteArray letter = rptWriteProjectXml(project);
    EXPECT_TRUE(letter.contains(R"(paper="Letter")")) << letter.toStdString();
    project.reports[0].paperWidth = 8.4;
    const QByteArray custom = rptWriteProjectXml(project);
    EXPECT_TRUE(custom.contains(R"(paperWidth="8.4" paperHeight="11")")) << custom.toStdString();
}

TEST(ProjectFile, LoadsFromDiskAndRefusesWhatIsNoPlainFile) {
    TempDir dir;
    const QString good = dir.write(QStringLiteral("good.rpj"), framed(minimalProjectXml()));
    EXPECT_EQ(rptLoadProjectFile(good).reports[0].name, "R");

    const QString fifo = dir.file(QStringLiteral("pipe.rpj"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(errorOf([&] { rptLoadProjectFile(fifo); }),
              "The following reporting project is not a file:\r\"" + fifo.toStdString() + "\"");

    EXPECT_EQ(errorOf([&] { rptLoadProjectFile(dir.path()); }),
              "The following reporting project is not a file:\r\"" + dir.path().toStdString() +
                  "\"");
}

TEST(ProjectFile, ReportsAFileItCannotOpen) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads files whatever their permissions";
    TempDir dir;
    const QString locked = dir.write(QStringLiteral("locked.rpj"), framed(minimalProjectXml()));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    EXPECT_EQ(errorOf([&] { rptLoadProjectFile(locked); }),
              "Cannot open file \"" + locked.toStdString() + "\". Permission denied");
}

TEST(DefaultProject, CommittedFileIsTheGeneratorsOutput) {
    const QByteArray committed = readFile(sourceDir() + QStringLiteral("/resources/Project1.rpj"));
    ASSERT_FALSE(committed.isEmpty());
    EXPECT_EQ(committed, rptWriteProject(rptDefaultProject()))
        << "run: rpjmake default resources/Project1.rpj";
    EXPECT_EQ(rptReadProject(committed), rptDefaultProject());
}

TEST(DefaultProject, PrintsStrFieldOncePerRowUnderTitleAndPageFooter) {
    const RptProjectModel project = rptLoadProjectFile(sourceDir() + "/resources/Project1.rpj");
    ASSERT_EQ(project.reports.size(), 1u);
    const RptReport& report = project.reports[0];
    EXPECT_EQ(project.activeReport, report.name);
    EXPECT_EQ(fromCp1251(report.title), QStringLiteral("Паспорт измерительного участка"));
    EXPECT_EQ(rptPaperName({report.paperWidth, report.paperHeight}), "A4");

    ASSERT_EQ(project.dataViews.size(), 1u);
    const RptDataView& view = project.dataViews[0];
    EXPECT_EQ(view.connection, "RptCustomConnection1");
    ASSERT_EQ(view.fields.size(), 1u);
    EXPECT_EQ(view.fields[0], (RptField{"StrField", TRptDataType::dtString}));

    ASSERT_TRUE(report.detail.has_value());
    EXPECT_EQ(report.detail->dataView, view.name);
    ASSERT_EQ(report.detail->items.size(), 1u);
    const auto& row = std::get<RptDataText>(report.detail->items[0]);
    EXPECT_EQ(row.dataView, view.name);
    EXPECT_EQ(row.field, "StrField");
    EXPECT_EQ(row.font.name, "DejaVu Sans Mono");

    ASSERT_TRUE(report.pageHeader.has_value());
    const auto& title = std::get<RptFixedText>(report.pageHeader->items.at(0));
    EXPECT_EQ(title.text, report.title);

    ASSERT_TRUE(report.pageFooter.has_value());
    const auto& footer = std::get<RptFixedText>(report.pageFooter->items.at(1));
    EXPECT_EQ(rptExpandPageNotation(footer.text),
              cp1251("Страница ") + rptPageMacro(11) + cp1251(" из ") + rptPageMacro(10));

    // One 30-line record fits on one page, and a line of 90 characters in
    // its width (DejaVu Sans Mono advances 1233/2048 of an em).
    const double rows = (rptPageHeight(report) - report.marginTop - report.marginBottom -
                         report.pageHeader->height - report.pageFooter->height) /
                        report.detail->height;
    EXPECT_GE(rows, 30);
    const double lineWidth = 90 * row.font.size / 72 * 1233.0 / 2048.0;
    EXPECT_LE(lineWidth, row.frame.width);
    EXPECT_LE(row.frame.x + row.frame.width,
              rptPageWidth(report) - report.marginLeft - report.marginRight);
}

} // namespace
} // namespace zamt::test
