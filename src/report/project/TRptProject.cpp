#include "report/project/TRptProject.h"

#include "platform/AppError.h"
#include "report/project/RptProjectFile.h"

#include <QDir>
#include <QFileInfo>

namespace zamt {

void TRptProject::setProjectFile(const QString& file) {
    projectFile_ =
        file.isEmpty() || file.contains(QLatin1Char('.')) ? file : file + QStringLiteral(".rpj");
}

void TRptProject::open() {
    if (active_)
        return;
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(projectFile_));
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        throw AppError(
            QStringLiteral("The following reporting project does not exist:\r\"%1\"")
                .arg(QDir::toNativeSeparators(path)));
    RptProjectModel loaded = rptLoadProjectFile(path);
    size_t index = 0;
    for (size_t i = 0; i < loaded.reports.size(); ++i) {
        if (loaded.reports[i].name == loaded.activeReport) {
            index = i;
            break;
        }
    }
    project_ = std::move(loaded);
    activeIndex_ = index;
    active_ = true;
}

void TRptProject::execute(const Runner& run) {
    open();
    RptReport report = activeReport();
    if (run)
        run(report, project_);
}

} // namespace zamt
