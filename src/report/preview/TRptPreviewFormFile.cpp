// The preview window's input and its File actions: starting on the report
// run's page stream, Open, Save As and Print.
#include "platform/AppError.h"
#include "platform/MessageBoxes.h"
#include "platform/RegularFile.h"
#include "platform/WaitCursor.h"
#include "report/common/RptTranslate.h"
#include "report/preview/SnapshotFile.h"
#include "report/preview/TRptPreviewForm.h"
#include "report/stream/TRptRender.h"
#include "report/stream/TRptStreamReader.h"
#include "report/system/RptFormatTable.h"
#include "report/system/TRptRenderFile.h"
#include "report/system/TRptSystem.h"
#include "report/windows/TRptPrinterDevice.h"
#include "report/windows/TRptRenderPrinter.h"
#include "report/windows/TRptSetupForm.h"

#include <QFile>
#include <QFileInfo>

namespace zamt {

void TRptPreviewForm::startPreview() {
    if (!inputFileName_.isEmpty()) {
        inputFile_ = openRegularFileForReading(inputFileName_);
        renderPreview_.setStream(inputFile_.get());
    } else {
        renderPreview_.setStream(inputStream_);
    }
    renderPreview_.showPage(1);
    if (ReportSystem && ReportSystem->OnPreviewShow)
        ReportSystem->OnPreviewShow(renderPreview_);
}

void TRptPreviewForm::closeInputFile() {
    if (renderPreview_.stream() == inputFile_.get())
        renderPreview_.setStream(nullptr);
    inputFile_.reset();
}

void TRptPreviewForm::actnFile_OpenExecute() {
    const std::optional<QString> chosen = dialogs().openFile(this, dlogOpen);
    if (!chosen)
        return;
    std::unique_ptr<QFile> file = openRegularFileForReading(*chosen);
    {
        // A file that is not a page stream, or whose first page cannot be
        // read, leaves the window showing what it showed.
        TRptStreamReader probe(file.get());
        TRptRender discard;
        probe.readHeader();
        if (probe.header().pageCount > 0)
            probe.replayPage(1, discard);
    }
    showStream(std::move(file), *chosen);
}

void TRptPreviewForm::showStream(std::unique_ptr<QFile> file, const QString& name) {
    renderPreview_.setStream(file.get());
    inputFile_ = std::move(file);
    inputFileName_ = name;
    setWindowTitle(kAppTitle + QStringLiteral(" - [ ") + QFileInfo(name).fileName() +
                   QStringLiteral(" ]"));
    renderPreview_.showPage(1);
}

void TRptPreviewForm::actnFile_SaveExecute() {
    QIODevice* stream = renderPreview_.stream();
    if (!stream)
        return;
    const RptFormatTable formats;
    dlogSave.filter = formats.filter(RptFormatUse::SaveAs);
    const std::optional<SaveFileAnswer> answer = dialogs().saveFile(this, dlogSave);
    if (!answer)
        return;
    const WaitCursor wait;
    const RptOutputTarget target = formats.targetFor(
        answer->fileName, formats.atFilterIndex(RptFormatUse::SaveAs, answer->filterIndex));
    saveStream(*stream, target.format, target.fileName);
}

// The snapshot is the stream byte for byte; a rendered format converts it;
// the printer's own output (a name ending in ".prn") is what the selected
// printer would get. The stream's position is kept, also when saving fails.
void TRptPreviewForm::saveStream(QIODevice& stream, const RptOutputFormat& format,
                                 const QString& fileName) {
    if (format.kind == RptOutputKind::SnapshotFile) {
        saveSnapshot(&stream, fileName);
        return;
    }
    const KeepStreamPosition keep(stream);
    if (format.kind == RptOutputKind::NativePrinterFile) {
        if (!TRptPrinterDevice::instance().valid())
            throw AppError(rptTranslate(QStringLiteral("No printers installed!")));
        TRptRenderPrinter printer;
        printer.setStream(&stream, renderPreview_.pages());
        printer.OutputFileName = fileName;
        printer.print();
        return;
    }
    stream.seek(0);
    format.renderer->convert(stream, fileName);
}

void TRptPreviewForm::actnFile_PrintExecute() {
    if (!ReportSystem ||
        !ReportSystem->SystemOptions.contains(TSystemOption::soAllowPrintFromPreview))
        return;
    QIODevice* stream = renderPreview_.stream();
    if (!stream)
        return;
    if (!renderPrinter_)
        renderPrinter_ = std::make_unique<TRptRenderPrinter>();
    renderPrinter_->setStream(stream, renderPreview_.pages());
    if (ReportSystem->SystemSetups.contains(TSystemSetup::ssAllowPreviewSetup)) {
        TRptSetupForm setup(this);
        setup.setWindowTitle(rptTranslate(ReportSystem->TitleSetup));
        setup.ReportSystem = ReportSystem;
        setup.PreviewSetup = true;
        setup.RenderPrinter = renderPrinter_.get();
        if (setup.exec() != QDialog::Accepted)
            return;
    }
    // The pages the set-up chose, with its copies, collation and duplex; a
    // printer that makes one copy at most gets the stream that many times.
    const KeepStreamPosition keep(*stream);
    renderPrinter_->print();
}

} // namespace zamt
