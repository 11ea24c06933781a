#pragma once
// Saving the shown page stream as a snapshot file.
#include <QString>
#include <QtGlobal>

class QIODevice;

namespace zamt {

// Puts a stream back where it stood when the object goes, however the work
// in between ended.
class KeepStreamPosition {
public:
    explicit KeepStreamPosition(QIODevice& stream);
    ~KeepStreamPosition();
    KeepStreamPosition(const KeepStreamPosition&) = delete;
    KeepStreamPosition& operator=(const KeepStreamPosition&) = delete;

private:
    QIODevice& stream_;
    qint64 position_;
};

// Copies the whole stream byte for byte into the file `path`, replacing
// one that exists as a whole only once every byte is on the disk, so that a
// failure leaves the old file (or none) and no partial one (the rules of
// FileReplacement). The stream's position is kept, also on failure. Raises
// "Cannot create file "%s". %s", "Cannot write file "%s". %s" or "Stream
// read error".
void saveSnapshot(QIODevice* stream, const QString& path);

} // namespace zamt
