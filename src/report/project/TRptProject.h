#pragma once
// The main window's report project, RptProject1: the project file it reads
// once per program run, and the run of its active report.
//
// The first execute (or open) loads the file; once that has succeeded the
// project stays active and the file is never read again, whatever happens
// to it. A failed open leaves the project inactive, so the next execute
// tries again.
#include "report/project/RptProjectModel.h"

#include <QString>
#include <functional>

namespace zamt {

class TRptProject {
public:
    // Runs one report: `report` is a private copy of the active report made
    // for this run (the runner may change it freely), `project` the loaded
    // project with its data views. The report system and its page producer
    // are the runner; its errors propagate out of execute.
    using Runner = std::function<void(RptReport& report, const RptProjectModel& project)>;

    // Stored unchanged when the text contains "." anywhere or is empty,
    // otherwise with ".rpj" appended.
    void setProjectFile(const QString& file);
    const QString& projectFile() const { return projectFile_; }

    bool active() const { return active_; }

    // Loads the project unless it is active: expands projectFile() to a full
    // path, loads the file there and makes active the report saved as active
    // (its name compared exactly), else the first. Raises "The following
    // reporting project does not exist:" CR and the full path in double
    // quotes when there is no file, or the reader's error (RptProjectFile.h).
    void open();

    // open(), then `run` with a fresh copy of the active report.
    void execute(const Runner& run);

    // Only while active.
    const RptProjectModel& project() const { return project_; }
    const RptReport& activeReport() const { return project_.reports[activeIndex_]; }

private:
    QString projectFile_;
    bool active_ = false;
    RptProjectModel project_;
    size_t activeIndex_ = 0;
};

} // namespace zamt
