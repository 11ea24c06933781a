#include "report/system/RptPageOutput.h"

#include "platform/AppError.h"
#include "platform/FileFailure.h"
#include "platform/FileReplacement.h"
#include "platform/InstanceTempFolder.h"
#include "report/common/RptTranslate.h"

#include <QDir>
#include <QTemporaryFile>

namespace zamt {

RptPageOutput::RptPageOutput() = default;

RptPageOutput::~RptPageOutput() = default;

void RptPageOutput::openTemporary() {
    const InstanceTempFolder folder = instanceTempFolder();
    const auto cannotCreate = [&](const QString& reason) {
        return AppError(rptTranslate(QStringLiteral("Cannot create a page file in %1: %2"))
                            .arg(QDir::toNativeSeparators(folder.path), reason));
    };
    if (!folder.error.isEmpty())
        throw cannotCreate(folder.error);
    auto file = std::make_unique<QTemporaryFile>(folder.path + QStringLiteral("/RPTXXXXXX"));
    file->setAutoRemove(false);
    if (!file->open())
        throw cannotCreate(file->errorString());
    fileName_ = file->fileName();
    device_ = file.get();
    temporary_ = std::move(file);
}

void RptPageOutput::openFile(const QString& fileName) {
    auto file = std::make_unique<FileReplacement>(fileName);
    if (!file->open())
        throw AppError(file->errorMessage(rptTranslate));
    fileName_ = fileName;
    device_ = file->device();
    named_ = std::move(file);
}

void RptPageOutput::useStream(QIODevice* stream) {
    if (!stream)
        throw AppError(rptTranslate(QStringLiteral("StreamMode is smUser but Stream is nil")));
    device_ = stream;
}

void RptPageOutput::finish() {
    if (named_ && !named_->commit())
        throw AppError(named_->errorMessage(rptTranslate));
    if (temporary_) {
        const bool flushed = temporary_->flush();
        temporary_->close();
        if (!flushed)
            throw AppError(failure());
    }
}

QString RptPageOutput::failure() const {
    if (named_)
        return named_->errorMessage(rptTranslate);
    if (!temporary_ || temporary_->error() == QFileDevice::NoError)
        return {};
    return fileFailureMessage(FileStep::Write, fileName_, temporary_->errorString(), rptTranslate);
}

} // namespace zamt
