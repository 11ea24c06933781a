#pragma once
// Helpers of the report system tests: a producer of numbered pages, window
// hooks that record their steps, and a private temporary folder.
#include "report/system/TRptSystem.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <QStringList>
#include <string>
#include <vector>

namespace zamt::test {

// A producer of `pages` pages, each with the text "page n"; it stops when
// the run is aborted.
TRptWriterEvent pagesProducer(int pages, int* produced = nullptr);

// Window hooks that log "<window> <mode>" for every call, e.g. "setup omShow".
struct HookLog {
    std::vector<std::string> steps;
    // Extra work of a hook at a step, after it was logged.
    std::function<void(TRptSystem&, TOverrideMode)> onSetup, onStatus, onPreview;
    void attach(TRptSystem& system);
};

// TMPDIR pointed at a fresh folder while the object lives, so a test sees
// the page files a run makes there.
class PrivateTempFolder {
public:
    PrivateTempFolder();
    ~PrivateTempFolder();
    QString path() const { return dir_.path(); }
    // The "RPT…" files in the folder and its subfolders, relative to it.
    QStringList pageFiles() const;

private:
    TempDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
};

// Where this test process's page files go under a temporary folder:
// "<temp>/zamt05-<user id>/<process id>".
std::string instanceFolderIn(const QString& temp);

// The "RPT…" files under a folder, relative to it.
QStringList pageFilesUnder(const QString& folder);

// The page numbers and first texts of a page stream, read back with the
// project's reader: "1:page 1", ...
std::vector<std::string> pagesOf(const QByteArray& stream);
// Every text of a page stream in order, as written (Windows-1251).
std::vector<std::string> textsOf(const QByteArray& stream);

} // namespace zamt::test
