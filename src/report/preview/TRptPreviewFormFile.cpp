// The preview window's input and its File actions: starting on the report
// run's page stream, Open, Save As and Print.
#include "platform/MessageBoxes.h"
#include "platform/RegularFile.h"
#include "report/preview/TRptPreviewForm.h"
#include "report/stream/TRptRender.h"
#include "report/stream/TRptStreamReader.h"

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

} // namespace zamt

namespace zamt {
// Until the report system's printing and save requests are merged.
void TRptPreviewForm::actnFile_SaveExecute() {}
void TRptPreviewForm::actnFile_PrintExecute() {}
void TRptPreviewForm::GotoPage1Click() {}
} // namespace zamt
