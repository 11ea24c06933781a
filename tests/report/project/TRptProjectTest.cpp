#include "report/project/TRptProject.h"

#include "ProjectTestSupport.h"
#include "../stream/StreamTestSupport.h"
#include "platform/AppError.h"
#include "report/project/RptProjectFile.h"
#include "support/SystemDifferences.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

std::string missing(const QString& path) {
    return "The following reporting project does not exist:\r\"" + shownPath(path).toStdString() + "\"";
}

// Runs the project and tells which report it was handed.
std::string runName(TRptProject& project) {
    std::string name = "not run";
    project.execute([&](RptReport& report, const RptProjectModel&) { name = report.name; });
    return name;
}

TEST(TRptProject, ProjectFileSetterAddsTheExtensionOnlyWithoutAnyDot) {
    const struct {
        const char* given;
        const char* stored;
    } cases[] = {
        {"Project1", "Project1.rpj"},
        {"Project1.rpj", "Project1.rpj"},
        {"", ""},
        {"report.", "report."},
        {".hidden", ".hidden"},
        {"/home/user.name/Project1", "/home/user.name/Project1"},
        {"/home/user/Project1", "/home/user/Project1.rpj"},
        {"Project1.RPJ", "Project1.RPJ"},
        {"Отчёт", "Отчёт.rpj"},
    };
    for (const auto& c : cases) {
        TRptProject project;
        project.setProjectFile(QString::fromUtf8(c.given));
        EXPECT_EQ(project.projectFile(), QString::fromUtf8(c.stored)) << c.given;
        EXPECT_FALSE(project.active());
    }
}

TEST(TRptProject, MissingFileFailsUntilItIsPlaced) {
    TempDir dir;
    TRptProject project;
    project.setProjectFile(dir.file(QStringLiteral("Project1")));
    const QString path = dir.file(QStringLiteral("Project1.rpj"));
    bool ran = false;
    const auto run = [&](RptReport&, const RptProjectModel&) { ran = true; };
    EXPECT_EQ(errorOf([&] { project.execute(run); }), missing(path));
    EXPECT_FALSE(project.active());
    EXPECT_FALSE(ran);

    dir.write(QStringLiteral("Project1.rpj"), framed(minimalProjectXml()));
    EXPECT_EQ(errorOf([&] { project.execute(run); }), "no error");
    EXPECT_TRUE(project.active());
    EXPECT_TRUE(ran);
}

TEST(TRptProject, MessageNamesTheExpandedFullPath) {
    TempDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    TRptProject relative;
    relative.setProjectFile(QStringLiteral("sub/../Project1.rpj"));
    const std::string message = errorOf([&] { relative.open(); });
    TRptProject folder;
    folder.setProjectFile(QString());
    const std::string folderMessage = errorOf([&] { folder.open(); });
    ASSERT_TRUE(QDir::setCurrent(before));
    const QString full = QDir(dir.path()).canonicalPath();
    EXPECT_EQ(message, missing(full + QStringLiteral("/Project1.rpj")));
    // An empty name is the working folder, which is no project file.
    EXPECT_EQ(folderMessage, missing(full));
}

TEST(TRptProject, EveryLoadFailureLeavesTheProjectInactive) {
    const struct {
        const char* what;
        QByteArray file;
        std::string message;
    } cases[] = {
        {"no signature", "<project/>", "Invalid Project Format"},
        {"damaged header", QByteArray("RPJ\x1A\x01\x00", 6), "Invalid Project Header Code"},
        {"no report", framed("<project/>"), "Invalid report project: it holds no report."},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const QString path = dir.write(QStringLiteral("Project1.rpj"), c.file);
        TRptProject project;
        project.setProjectFile(path);
        bool ran = false;
        EXPECT_EQ(errorOf([&] {
                      project.execute([&](RptReport&, const RptProjectModel&) { ran = true; });
                  }),
                  c.message)
            << c.what;
        EXPECT_FALSE(project.active()) << c.what;
        EXPECT_FALSE(ran) << c.what;
        // Once repaired, the next run loads it.
        dir.write(QStringLiteral("Project1.rpj"), framed(minimalProjectXml()));
        EXPECT_EQ(runName(project), "R") << c.what;
    }
}

TEST(TRptProject, ReadsTheFileOncePerProgramRun) {
    TempDir dir;
    const QString path =
        dir.write(QStringLiteral("Project1.rpj"), rptWriteProject(namedReports({"First"}, "")));
    TRptProject project;
    project.setProjectFile(path);
    EXPECT_EQ(runName(project), "First");

    dir.write(QStringLiteral("Project1.rpj"), rptWriteProject(namedReports({"Second"}, "")));
    EXPECT_EQ(runName(project), "First");
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(runName(project), "First");
    dir.write(QStringLiteral("Project1.rpj"), "garbage");
    EXPECT_EQ(runName(project), "First");
    EXPECT_TRUE(project.active());
}

TEST(TRptProject, RunsTheReportSavedAsActiveOrElseTheFirst) {
    const struct {
        std::vector<std::string> names;
        std::string active;
        std::string run;
    } cases[] = {
        {{"A", "B", "C"}, "B", "B"}, {{"A", "B", "C"}, "C", "C"}, {{"A", "B", "C"}, "D", "A"},
        {{"A", "B", "C"}, "", "A"},  {{"A", "B", "C"}, "b", "A"}, // names compare exactly
        {{"Only"}, "Only", "Only"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        TRptProject project;
        project.setProjectFile(
            dir.write(QStringLiteral("p.rpj"), rptWriteProject(namedReports(c.names, c.active))));
        EXPECT_EQ(runName(project), c.run) << c.active;
        EXPECT_EQ(project.activeReport().name, c.run) << c.active;
    }
}

TEST(TRptProject, ZeroLengthFileRunsOneEmptyReport) {
    TempDir dir;
    TRptProject project;
    project.setProjectFile(dir.write(QStringLiteral("Project1.rpj"), QByteArray()));
    RptReport handed;
    project.execute([&](RptReport& report, const RptProjectModel&) { handed = report; });
    EXPECT_TRUE(project.active());
    EXPECT_EQ(handed, rptEmptyProject().reports[0]);
    EXPECT_FALSE(handed.detail.has_value());
}

TEST(TRptProject, EveryRunGetsItsOwnCopyOfTheReport) {
    TempDir dir;
    const RptProjectModel saved = rptReadProject(framed(minimalProjectXml()));
    TRptProject project;
    project.setProjectFile(dir.write(QStringLiteral("Project1.rpj"), rptWriteProject(saved)));
    for (int run = 0; run < 2; ++run) {
        project.execute([&](RptReport& report, const RptProjectModel& whole) {
            EXPECT_EQ(report, saved.reports[0]) << "run " << run;
            EXPECT_EQ(whole, saved);
            EXPECT_NE(&report, &whole.reports[0]);
            report.title = "changed by the run";
            report.detail->items.clear();
            report.detail.reset();
        });
    }
    EXPECT_EQ(project.project(), saved);
    EXPECT_EQ(project.activeReport(), saved.reports[0]);
}

TEST(TRptProject, ErrorOfTheRunPropagatesAndTheProjectStaysActive) {
    TempDir dir;
    TRptProject project;
    project.setProjectFile(dir.write(QStringLiteral("Project1.rpj"), framed(minimalProjectXml())));
    EXPECT_EQ(errorOf([&] {
                  project.execute([](RptReport&, const RptProjectModel&) {
                      throw AppError(QStringLiteral("run failed"));
                  });
              }),
              "run failed");
    EXPECT_TRUE(project.active());
    EXPECT_EQ(runName(project), "R");
}

} // namespace
} // namespace zamt::test
