#include "report/system/RptPageOutput.h"

#include "platform/AppError.h"
#include "report/common/RptTranslate.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryFile>

namespace zamt {
namespace {

QString nativeName(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

} // namespace

RptPageOutput::RptPageOutput() = default;

RptPageOutput::~RptPageOutput() {
    if (named_)
        named_->cancelWriting();
}

void RptPageOutput::openTemporary() {
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/RPTXXXXXX"));
    file->setAutoRemove(false);
    if (!file->open())
        throw AppError(rptTranslate(QStringLiteral("Cannot create a page file in %1: %2"))
                           .arg(nativeName(QDir::tempPath()), file->errorString()));
    fileName_ = file->fileName();
    device_ = file.get();
    temporary_ = std::move(file);
}

void RptPageOutput::openFile(const QString& fileName) {
    auto file = std::make_unique<QSaveFile>(fileName);
    // Written straight into the folder of the file; no copy elsewhere.
    file->setDirectWriteFallback(false);
    if (fileName.trimmed().isEmpty() || !file->open(QIODevice::WriteOnly))
        throw AppError(rptTranslate(QStringLiteral("Cannot create the file %1: %2"))
                           .arg(nativeName(fileName), file->errorString()));
    fileName_ = fileName;
    device_ = file.get();
    named_ = std::move(file);
}

void RptPageOutput::useStream(QIODevice* stream) {
    if (!stream)
        throw AppError(rptTranslate(QStringLiteral("StreamMode is smUser but Stream is nil")));
    device_ = stream;
}

void RptPageOutput::finish() {
    if (named_ && !named_->commit())
        throw AppError(rptTranslate(QStringLiteral("Cannot write the file %1: %2"))
                           .arg(nativeName(fileName_), named_->errorString()));
    if (temporary_) {
        const bool flushed = temporary_->flush();
        temporary_->close();
        if (!flushed)
            throw AppError(failure());
    }
}

QString RptPageOutput::failure() const {
    const QFileDevice* file = named_ ? static_cast<QFileDevice*>(named_.get()) : temporary_.get();
    if (!file || file->error() == QFileDevice::NoError)
        return {};
    return rptTranslate(QStringLiteral("Cannot write the file %1: %2"))
        .arg(nativeName(fileName_), file->errorString());
}

} // namespace zamt
