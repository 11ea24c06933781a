#include "report/system/TRptSystem.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "report/common/RptTranslate.h"
#include "report/stream/TRptStreamWriter.h"
#include "report/system/RptFormatTable.h"
#include "report/system/RptPageOutput.h"
#include "report/system/TRptRenderFile.h"

#include <QBuffer>
#include <QFile>

namespace zamt {

// A window of the run between its omCreate and its omFree; omFree also runs
// when an error leaves the scope.
class TRptSystem::WindowScope {
public:
    WindowScope(TRptSystem& system, Window window) : system_(system), window_(window) {}
    ~WindowScope() {
        if (freed_)
            return;
        try {
            system_.runHook(window_, TOverrideMode::omFree);
        } catch (...) {
            // The error that is leaving the scope is the one to report.
        }
    }
    void run(TOverrideMode mode) { system_.runHook(window_, mode); }
    void free() {
        freed_ = true;
        system_.runHook(window_, TOverrideMode::omFree);
    }

private:
    TRptSystem& system_;
    Window window_;
    bool freed_ = false;
};

TRptSystem::TRptSystem() {
    if (RptPrinter* printer = validPrinter())
        SystemPrinter.Duplex = printer->duplex();
}

TRptSystem::~TRptSystem() = default;

RptPrinter* TRptSystem::validPrinter() const {
    RptPrinter* printer = rptSystemPlatform().printer();
    return printer && printer->valid() ? printer : nullptr;
}

bool TRptSystem::aborted() const {
    return writer_ && writer_->aborted();
}

TRptSystem* TRptSystem::running_ = nullptr;

void TRptSystem::cancel() {
    if (writer_)
        writer_->abort();
    else if (progress_)
        progress_->cancel();
}

void TRptSystem::cancelRunning() {
    for (TRptSystem* run = running_; run; run = run->previous_)
        run->cancel();
}

void TRptSystem::configureForRun(const RunValues& values) {
    DefaultDest = TReportDest::rdPreview;
    TitleSetup = QStringLiteral("Output Options");
    TitleStatus = QStringLiteral("Report Status");
    TitlePreview = QStringLiteral("Report Preview");
    SystemSetups += TSystemSetup::ssAllowSetup;

    SystemPreview.FormState = TWindowState::wsNormal;
    SystemPreview.GridHoriz = 0.0;
    SystemPreview.GridVert = 0.0;
    SystemPreview.GridPen = {0x00FFFF00, TPenStyle::psSolid};
    SystemPreview.MarginMethod = TMarginMethod::mmFixed;
    SystemPreview.MarginPercent = 2.5;
    SystemPreview.RulerType = TRulerType::rtNone;
    SystemPreview.setZoomFactor(100.0);
    SystemPreview.ZoomInc = 10;
    SystemPreview.setShadowDepth(5);
    SystemPreview.setMonochrome(false);

    SystemFiler.AccuracyMethod = TAccuracyMethod::amAppearance;
    SystemFiler.StatusFormat = QStringLiteral("Generating page %p");
    SystemFiler.StreamMode = TStreamMode::smTempFile;

    if (values.alwaysGenerate)
        SystemOptions += TSystemOption::soUseFiler;

    SystemPrinter.Title = values.title;
    SystemPrinter.Orientation = values.orientation;
    SystemPrinter.setUnits(TPrintUnits::unInch);
    SystemPrinter.MarginLeft = values.marginLeft;
    SystemPrinter.MarginRight = values.marginRight;
    SystemPrinter.MarginTop = values.marginTop;
    SystemPrinter.MarginBottom = values.marginBottom;
    Paper = values.paper;
}

void TRptSystem::sendTo(TReportDest dest) {
    ReportDest = dest;
    OutputFileName.clear();
}

void TRptSystem::sendToFile(const RptOutputFormat& format, const QString& fileName) {
    ReportDest = TReportDest::rdFile;
    OutputFileName = fileName;
    DoNativeOutput = format.kind == RptOutputKind::NativePrinterFile;
    RenderObject = format.renderer;
}

void TRptSystem::runHook(Window window, TOverrideMode mode) {
    QObject*& reference = windows_[int(window)];
    RptSystemPlatform& platform = rptSystemPlatform();
    switch (window) {
    case Window::Setup:
        OverrideSetup ? OverrideSetup(*this, mode, reference)
                      : platform.setupWindow(*this, mode, reference);
        break;
    case Window::Status:
        OverrideStatus ? OverrideStatus(*this, mode, reference)
                       : platform.statusWindow(*this, mode, reference);
        break;
    case Window::Preview:
        OverridePreview ? OverridePreview(*this, mode, reference)
                        : platform.previewWindow(*this, mode, reference);
        break;
    }
}

void TRptSystem::Execute() {
    ReportDest = DefaultDest;
    Cancelled = false;
    previous_ = running_;
    running_ = this;
    // The run's memory stream and its temporary page file go, however the
    // run ends.
    struct CleanUp {
        TRptSystem& system;
        ~CleanUp() {
            system.cleanUp();
            running_ = system.previous_;
        }
    } cleanUp{*this};

    if (SystemSetups.contains(TSystemSetup::ssAllowSetup)) {
        WindowScope setup(*this, Window::Setup);
        setup.run(TOverrideMode::omCreate);
        setup.run(TOverrideMode::omShow);
        setup.run(TOverrideMode::omWait);
        setup.free();
    }
    if (Cancelled)
        return;

    const RptPrinter* printer = validPrinter();
    RepeatCopies =
        printer && rptSystemPlatform().printer()->maxCopies() <= 1 && SystemPrinter.Copies > 1;
    const RptOutputKind kind = outputKind();
    const bool noGenerate = SystemOptions.contains(TSystemOption::soNoGenerate);
    // A file that is not the printer's output is made from the page stream.
    const bool fromStream =
        (kind == RptOutputKind::SnapshotFile || kind == RptOutputKind::RenderedFile) && !noGenerate;
    if ((SystemOptions.contains(TSystemOption::soUseFiler) || RepeatCopies || fromStream) &&
        SystemFiler.StreamMode == TStreamMode::smMemory) {
        runStream_ = std::make_unique<QBuffer>();
        runStream_->open(QIODevice::ReadWrite);
        SystemFiler.Stream = runStream_.get();
    }

    if (!noGenerate) {
        WindowScope status(*this, Window::Status);
        generate(kind, status);
        // Printing or converting a long report takes longer than making
        // it: the status window stays and counts the pages output.
        const bool printsOrConverts = kind == RptOutputKind::Printer ||
                                      kind == RptOutputKind::NativePrinterFile ||
                                      kind == RptOutputKind::RenderedFile;
        if (!Cancelled && printsOrConverts) {
            outputWithProgress(kind, status);
            return;
        }
        status.free();
    }
    if (!Cancelled)
        output(kind);
}

void TRptSystem::outputWithProgress(RptOutputKind kind, WindowScope& status) {
    RptStatusValues values;
    values.lines = SystemPrinter.StatusText;
    values.firstPage = SystemPrinter.FirstPage;
    values.lastPage = SystemPrinter.LastPage;
    TRptRenderDevice renderDevice;
    RptPrinter* printer = validPrinter();
    RptOutputDevice& device = printer ? static_cast<RptOutputDevice&>(*printer) : renderDevice;
    values.device = device.deviceName();
    values.driver = device.driverName();
    values.port = device.portName();
    RptProgress progress(SystemPrinter.StatusFormat, std::move(values));
    progress_ = &progress;
    struct Current {
        RptProgress*& progress;
        ~Current() { progress = nullptr; }
    } current{progress_};
    status.run(TOverrideMode::omShow);
    try {
        output(kind);
    } catch (const RptOutputCancelled&) {
        Cancelled = true; // the renderer has dropped its output
    }
    status.free();
}

void TRptSystem::generate(RptOutputKind kind, WindowScope& status) {
    Cancelled = true; // until generation has run through
    status.run(TOverrideMode::omCreate);
    {
        RptPrinter* printer = validPrinter();
        TRptRenderDevice renderDevice;
        RptOutputDevice& device = printer ? static_cast<RptOutputDevice&>(*printer) : renderDevice;

        TStreamMode mode = SystemFiler.StreamMode;
        QString fileName = SystemFiler.FileName;
        if (kind == RptOutputKind::SnapshotFile) {
            mode = TStreamMode::smFile;
            fileName = OutputFileName;
        }
        RptPageOutput out;
        struct FileNameBack {
            TSystemFiler& filer;
            RptPageOutput& out;
            ~FileNameBack() {
                if (!out.fileName().isEmpty())
                    filer.FileName = out.fileName();
            }
        } fileNameBack{SystemFiler, out};
        switch (mode) {
        case TStreamMode::smMemory:
            if (!runStream_) {
                runStream_ = std::make_unique<QBuffer>();
                runStream_->open(QIODevice::ReadWrite);
            }
            SystemFiler.Stream = runStream_.get();
            out.useStream(runStream_.get());
            break;
        case TStreamMode::smUser:
            out.useStream(SystemFiler.Stream);
            break;
        case TStreamMode::smFile:
            out.openFile(fileName);
            break;
        case TStreamMode::smTempFile:
            out.openTemporary();
            temporaryFile_ = out.fileName();
            break;
        }

        TRptStreamWriter writer(out.device());
        struct Current {
            TRptStreamWriter*& writer;
            ~Current() { writer = nullptr; }
        } current{writer_};
        writer_ = &writer;
        configureWriter(writer, device);
        if (kind == RptOutputKind::NativePrinterFile)
            writer.setOutputName(toCp1251(OutputFileName));
        if (kind == RptOutputKind::Preview)
            writer.setDeviceNames(QStringLiteral("Preview"), QStringLiteral("Preview"),
                                  QStringLiteral("Screen"));
        else
            writer.setDeviceNames(device.deviceName(), device.driverName(), device.portName());

        status.run(TOverrideMode::omShow);
        try {
            writer.beginJob();
            if (OnBeforePrint)
                OnBeforePrint(writer);
            if (OnPrint && !writer.aborted())
                OnPrint(writer);
            if (OnAfterPrint)
                OnAfterPrint(writer);
            writer.endJob();
        } catch (const AppError&) {
            // A write that failed says more with the file's own error.
            const QString failure = out.failure();
            if (failure.isEmpty())
                throw;
            throw AppError(failure);
        }
        if (!writer.aborted())
            out.finish();
        Cancelled = writer.aborted();
    }
}

void TRptSystem::configureWriter(TRptStreamWriter& writer, RptOutputDevice& device) {
    const TSystemPrinter& p = SystemPrinter;
    writer.setTitle(p.Title);
    writer.setFirstPage(p.FirstPage);
    writer.setLastPage(p.LastPage);
    writer.setPaperSize(Paper.width, Paper.height);
    writer.setOrientation(p.Orientation == TOrientation::poLandscape ? 1 : 0);
    writer.setScale(p.ScaleX, p.ScaleY);
    writer.setTextBackgroundMode(int(p.TextBKMode));
    writer.setStatusFormat(p.StatusFormat);
    writer.setStatusText(p.StatusText);

    RptLayoutSettings layout;
    layout.marginLeft = p.inches(p.MarginLeft);
    layout.marginRight = p.inches(p.MarginRight);
    layout.marginTop = p.inches(p.MarginTop);
    layout.marginBottom = p.inches(p.MarginBottom);
    layout.unitsFactor = p.UnitsFactor();
    layout.lineHeightMethod = int(p.LineHeightMethod);
    layout.linesPerInch = p.LinesPerInch;
    layout.tabShade = p.TabShade();
    layout.accuracyMethod = int(SystemFiler.AccuracyMethod);
    writer.setLayout(layout);

    if (RptPrinter* printer = validPrinter()) {
        writer.setCollate(p.Collate);
        writer.setDuplex(p.Duplex);
        if (p.Copies > 0 && p.Copies <= printer->maxCopies() && p.Copies != printer->copies())
            printer->setCopies(p.Copies);
    }
    const RptDeviceMetrics metrics = device.metrics(Paper, p.Orientation);
    writer.setUnprintableMargins(metrics.marginLeft, metrics.marginRight, metrics.marginTop,
                                 metrics.marginBottom);
    writer.setPaperBin(metrics.paperBin);
    writer.setCopies(metrics.copies);
    writer.setPaperSizeCode(metrics.paperSize, metrics.paperWidth, metrics.paperLength);

    // The filer's status text replaces the printer's.
    writer.setStatusFormat(SystemFiler.StatusFormat);
    writer.setStatusText(SystemFiler.StatusText);
}

void TRptSystem::output(RptOutputKind kind) {
    switch (kind) {
    case RptOutputKind::Printer:
    case RptOutputKind::NativePrinterFile:
        printStream();
        break;
    case RptOutputKind::RenderedFile:
        convertToFile();
        break;
    case RptOutputKind::SnapshotFile:
        break; // the writer has written the file itself
    case RptOutputKind::Preview: {
        WindowScope preview(*this, Window::Preview);
        preview.run(TOverrideMode::omCreate);
        preview.run(TOverrideMode::omShow);
        preview.run(TOverrideMode::omWait);
        preview.free();
        break;
    }
    }
}

namespace {

// A filer whose stream mode names a stream it does not have.
[[noreturn]] void streamMissing(TStreamMode mode) {
    static constexpr const char* names[] = {"smMemory", "smFile", "smUser", "smTempFile"};
    const char* name = names[int(mode)];
    throw AppError(rptTranslate(QStringLiteral("StreamMode is %1 but Stream is nil"))
                       .arg(QLatin1String(name)));
}

// The page stream of a finished generation, read from its file or from the
// filer's stream.
class StreamForReading {
public:
    StreamForReading(const TSystemFiler& filer, const QString& fileName) {
        if (!fileName.isEmpty()) {
            file_.setFileName(fileName);
            if (!file_.open(QIODevice::ReadOnly))
                throw AppError(rptTranslate(QStringLiteral("Cannot read the page file %1: %2"))
                                   .arg(fileName, file_.errorString()));
            device_ = &file_;
            return;
        }
        if (!filer.Stream)
            streamMissing(filer.StreamMode);
        device_ = filer.Stream;
        device_->seek(0);
    }
    QIODevice& device() { return *device_; }

private:
    QFile file_;
    QIODevice* device_ = nullptr;
};

} // namespace

void TRptSystem::printStream() {
    StreamForReading stream(SystemFiler, SystemFiler.FileName);
    rptSystemPlatform().print(*this, stream.device());
}

void TRptSystem::convertToFile() {
    RenderObject->Progress = progress_;
    struct ProgressBack {
        TRptRenderFile* renderer;
        ~ProgressBack() { renderer->Progress = nullptr; }
    } progressBack{RenderObject};
    switch (SystemFiler.StreamMode) {
    case TStreamMode::smMemory: {
        // The renderer reads a copy of the filer's memory stream.
        QBuffer copy;
        copy.setData(StreamForReading(SystemFiler, QString()).device().readAll());
        copy.open(QIODevice::ReadOnly);
        RenderObject->convert(copy, OutputFileName);
        break;
    }
    case TStreamMode::smUser: {
        StreamForReading stream(SystemFiler, QString());
        RenderObject->convert(stream.device(), OutputFileName);
        break;
    }
    case TStreamMode::smFile:
    case TStreamMode::smTempFile: {
        StreamForReading stream(SystemFiler, SystemFiler.FileName);
        RenderObject->convert(stream.device(), OutputFileName);
        break;
    }
    }
}

void TRptSystem::cleanUp() {
    if (runStream_ && SystemFiler.Stream == runStream_.get())
        SystemFiler.Stream = nullptr;
    runStream_.reset();
    // Every run removes the page file it made, whatever the destination and
    // however the run ended; the files the user named are never touched.
    if (!temporaryFile_.isEmpty())
        QFile::remove(temporaryFile_);
    temporaryFile_.clear();
}

} // namespace zamt
