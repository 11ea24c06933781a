#pragma once
// The QIODevice face of a file replacement: bytes gather in blocks of a
// fixed size and go out to the descriptor through fileCalls(). The first
// failure is kept with its errno, and every write after it fails without
// touching the file again.
#include <QIODevice>
#include <vector>

namespace zamt {

class FileReplacementDevice : public QIODevice {
public:
    enum class Start {
        AsItIs,  // a new file, or a device that is written as it comes
        Emptied, // an existing file written in place: emptied before the first byte
    };

    // `seekable` false for a pipe or a device.
    FileReplacementDevice(int fd, qint64 blockSize, bool seekable, Start start);

    bool isSequential() const override { return !seekable_; }
    bool seek(qint64 pos) override;
    qint64 size() const override;
    // Flushes and cuts the file to `size` bytes.
    bool resize(qint64 size);

    // Sends the gathered bytes (and empties an in-place file that got none).
    // False after any failure.
    bool finish();
    // The errno of the first failure, 0 while none.
    int error() const { return error_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool sendBlock();
    bool emptyOnce();
    bool fail(int error);

    int fd_;
    bool seekable_;
    bool mustEmpty_;
    std::vector<char> block_;
    size_t used_ = 0;
    qint64 filePos_ = 0; // where the descriptor stands: the block's first byte goes there
    qint64 end_ = 0;     // the file's size as written so far
    int error_ = 0;
};

} // namespace zamt
