#include "records/PassportWriter.h"

#include "platform/AppError.h"
#include "platform/DecimalSeparator.h"
#include "platform/FileReplacement.h"
#include "platform/IoErrors.h"
#include "platform/MessageBoxes.h"
#include "records/PassportRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>

namespace zamt {
namespace {

// The record goes out through a buffer of this size, written whenever full.
constexpr qint64 kRecordBlock = 128;

} // namespace

OpenFileRequest passportDialogRequest(const QString& startFolder) {
    OpenFileRequest request;
    request.filter = QStringLiteral("Текстовые файлы|*.txt");
    request.initialDir = startFolder;
    request.fileName = QDir(startFolder).filePath(QStringLiteral("data07.txt"));
    request.mustExist = false;
    return request;
}

void writePassportRecord(QWidget* parent, OpenFileRequest& dialog, const Measurement& state) {
    const std::optional<QString> chosen = dialogs().openFile(parent, dialog);
    if (!chosen)
        return;
    // The next press starts from this choice, whatever becomes of it.
    dialog.fileName = *chosen;
    dialog.initialDir = QFileInfo(*chosen).absolutePath();

    if (state.K_g == 0.0) { // -0 as well
        showMessage(QStringLiteral("у вас деление на zamt_g = 0!"));
        return;
    }

    // The record is written beside the chosen file and replaces it only when
    // it is complete on the disk, so a failed write keeps the previous record.
    FileReplacement file(*chosen, kRecordBlock);
    if (!file.open()) {
        showWarning(QStringLiteral("File access error"));
        return;
    }
    const std::string record = formatPassportRecord(state, decimalSeparator());
    file.device()->write(record.data(), qint64(record.size()));
    if (!file.commit())
        throw AppError(ioErrorMessage(file.error()));

    showInformation(QStringLiteral("Уже записано: %1Kbit").arg(passportSizeFigure(record.size())));
}

} // namespace zamt
