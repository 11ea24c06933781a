#pragma once
// A report run: the set-up window, generation of the pages into a page
// stream under the status window, then the preview, the printer or a file.
// Made for one run, configured, executed once and dropped:
//
//   TRptSystem system;
//   system.configureForRun(paper, alwaysGenerate);   // the per-run values
//   system.OnPrint = [&](TRptStreamWriter& w) { ...w.beginPage(); ... w.endPage(); };
//   system.Execute();                                // Cancelled tells how it ended
//
// The page producer draws every page through the writer and stops as soon
// as the writer's aborted() turns true (the user pressed Cancel).
#include "report/stream/RptProgress.h"
#include "report/system/RptOutputDevice.h"
#include "report/system/RptOutputKind.h"
#include "report/system/RptSystemPlatform.h"
#include "report/system/RptSystemTypes.h"
#include "report/system/TSystemFiler.h"
#include "report/system/TSystemPreview.h"
#include "report/system/TSystemPrinter.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QBuffer;

namespace zamt {

class TRptRender;
class TRptRenderFile;
struct RptOutputFormat;
class TRptStreamWriter;

using TRptWriterEvent = std::function<void(TRptStreamWriter& writer)>;
using TRptRenderEvent = std::function<void(TRptRender& renderer)>;

class TRptSystem {
public:
    TRptSystem();
    ~TRptSystem();
    TRptSystem(const TRptSystem&) = delete;
    TRptSystem& operator=(const TRptSystem&) = delete;

    QString TitleSetup = QStringLiteral("Output Options");
    QString TitleStatus = QStringLiteral("Report Status");
    QString TitlePreview = QStringLiteral("Report Preview");
    TSystemSetups SystemSetups = TSystemSetups::all();
    TSystemOptions SystemOptions{TSystemOption::soShowStatus,
                                 TSystemOption::soAllowPrintFromPreview,
                                 TSystemOption::soPreviewModal};
    TReportDest DefaultDest = TReportDest::rdPreview;
    TSystemPrinter SystemPrinter;
    TSystemPreview SystemPreview;
    TSystemFiler SystemFiler;

    // Window hooks; unassigned ones use the built-in windows.
    TRptSystemEvent OverrideSetup;
    TRptSystemEvent OverrideStatus;
    TRptSystemEvent OverridePreview;

    // The page producer: OnBeforePrint, OnPrint, OnAfterPrint in this order
    // while the job is open.
    TRptWriterEvent OnPrint;
    TRptWriterEvent OnBeforePrint;
    TRptWriterEvent OnAfterPrint;
    // Called with the preview renderer when the preview is set up and shown.
    TRptRenderEvent OnPreviewSetup;
    TRptRenderEvent OnPreviewShow;

    // The report's paper; the writer lays out pages on it.
    RptPaper Paper;

    // The values of a report run: captions, the preview's look, the filer
    // writing a temporary page file, `soUseFiler` when the report always
    // generates, and the report's title, paper, orientation and margins
    // (inches).
    struct RunValues {
        std::string title = "Untitled Report";
        RptPaper paper;
        TOrientation orientation = TOrientation::poPortrait;
        double marginLeft = 0;
        double marginRight = 0;
        double marginTop = 0;
        double marginBottom = 0;
        bool alwaysGenerate = false;
    };
    void configureForRun(const RunValues& values);

    // Runs the report once; Cancelled tells afterwards whether the user
    // cancelled the set-up or the generation. Errors raise AppError after
    // the windows are closed and the temporary page file is removed.
    void Execute();

    // Run state.
    TReportDest ReportDest = TReportDest::rdPreview;
    QString OutputFileName;
    bool DoNativeOutput = true;
    TRptRenderFile* RenderObject = nullptr;
    // What the run state asks for: preview, printer or which kind of file.
    RptOutputKind outputKind() const {
        return rptOutputKind(ReportDest, DoNativeOutput, RenderObject);
    }
    bool Cancelled = false;
    bool RepeatCopies = false;
    // The destinations as the set-up window stores them: the preview, the
    // selected printer, or a file of a format (the name as it stands).
    void sendTo(TReportDest dest);
    void sendToFile(const RptOutputFormat& format, const QString& fileName);

    // The writer while pages are generated, else null.
    TRptStreamWriter* writer() const { return writer_; }
    // While the pages are printed or converted into a file, their progress
    // (the status window stays open for it), else null.
    RptProgress* outputProgress() const { return progress_; }
    // Whether the user cancelled the generation in progress.
    bool aborted() const;
    // Cancels the generation or the output in progress, as the status
    // window's "Cancel" does; the run then ends as cancelled.
    void cancel();
    // Cancels every run that is executing now: the program is ending.
    static void cancelRunning();
    // The printer device, when a printer can be used.
    RptPrinter* validPrinter() const;

private:
    enum class Window { Setup, Status, Preview };
    class WindowScope;

    void runHook(Window window, TOverrideMode mode);
    void generate(RptOutputKind kind, WindowScope& status);
    void outputWithProgress(RptOutputKind kind, WindowScope& status);
    void configureWriter(TRptStreamWriter& writer, RptOutputDevice& device);
    void output(RptOutputKind kind);
    void convertToFile();
    void printStream();
    void cleanUp();

    QObject* windows_[3] = {};
    TRptStreamWriter* writer_ = nullptr;
    RptProgress* progress_ = nullptr;
    std::unique_ptr<QBuffer> runStream_;
    QString temporaryFile_;
    // The runs executing now, innermost first, linked through previous_.
    static TRptSystem* running_;
    TRptSystem* previous_ = nullptr;
};

} // namespace zamt
