#include "report/preview/SnapshotFile.h"

#include "platform/AppError.h"
#include "report/common/RptTranslate.h"

#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

namespace zamt {
namespace {

[[noreturn]] void cannotCreate(const QString& path, const QString& reason) {
    throw AppError(rptTranslate(QStringLiteral("Cannot create file \"%1\". %2"))
                       .arg(QFileInfo(path).absoluteFilePath(), reason));
}

} // namespace

KeepStreamPosition::KeepStreamPosition(QIODevice& stream)
    : stream_(stream), position_(stream.pos()) {}

KeepStreamPosition::~KeepStreamPosition() {
    stream_.seek(position_);
}

void saveSnapshot(QIODevice* stream, const QString& path) {
    const KeepStreamPosition keep(*stream);
    if (!stream->seek(0))
        throw AppError(rptTranslate(QStringLiteral("Stream read error")));
    QSaveFile out(path);
    out.setDirectWriteFallback(true);
    if (QFileInfo(path).isDir() || !out.open(QIODevice::WriteOnly))
        cannotCreate(path, QFileInfo(path).isDir() ? QStringLiteral("Is a directory")
                                                   : out.errorString());
    constexpr qint64 Chunk = 1 << 16;
    QByteArray buffer(Chunk, Qt::Uninitialized);
    const qint64 size = stream->size();
    for (qint64 done = 0; done < size;) {
        const qint64 got = stream->read(buffer.data(), std::min(Chunk, size - done));
        if (got <= 0)
            throw AppError(rptTranslate(QStringLiteral("Stream read error")));
        if (out.write(buffer.constData(), got) != got)
            throw AppError(rptTranslate(QStringLiteral("Stream write error")));
        done += got;
    }
    if (!out.commit())
        cannotCreate(path, out.errorString());
}

} // namespace zamt
