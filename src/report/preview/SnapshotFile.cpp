#include "report/preview/SnapshotFile.h"

#include "platform/AppError.h"
#include "platform/FileReplacement.h"
#include "report/common/RptTranslate.h"

#include <QIODevice>

namespace zamt {

KeepStreamPosition::KeepStreamPosition(QIODevice& stream)
    : stream_(stream), position_(stream.pos()) {}

KeepStreamPosition::~KeepStreamPosition() {
    stream_.seek(position_);
}

void saveSnapshot(QIODevice* stream, const QString& path) {
    const KeepStreamPosition keep(*stream);
    if (!stream->seek(0))
        throw AppError(rptTranslate(QStringLiteral("Stream read error")));
    FileReplacement file(path);
    if (!file.open())
        throw AppError(file.errorMessage(rptTranslate));
    QIODevice& out = *file.device();
    constexpr qint64 Chunk = 1 << 16;
    QByteArray buffer(Chunk, Qt::Uninitialized);
    const qint64 size = stream->size();
    for (qint64 done = 0; done < size;) {
        const qint64 got = stream->read(buffer.data(), std::min(Chunk, size - done));
        if (got <= 0)
            throw AppError(rptTranslate(QStringLiteral("Stream read error")));
        if (out.write(buffer.constData(), got) != got)
            throw AppError(file.errorMessage(rptTranslate));
        done += got;
    }
    if (!file.commit())
        throw AppError(file.errorMessage(rptTranslate));
}

} // namespace zamt
