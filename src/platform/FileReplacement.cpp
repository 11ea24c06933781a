#include "platform/FileReplacement.h"

#include "platform/FileCalls.h"
#include "platform/FileReplacementDevice.h"
#include "platform/SystemError.h"

#include <random>

namespace zamt {

FileReplacement::FileReplacement(QString path, qint64 blockSize)
    : path_(std::move(path)), blockSize_(blockSize) {}

FileReplacement::~FileReplacement() {
    discard();
}

QString FileReplacement::writePath() const {
    return mode_ == Mode::Replace ? temporary() : target();
}

int FileReplacement::error() const {
    if (error_ == 0 && device_)
        return device_->error();
    return error_;
}

QString FileReplacement::errorMessage(TextHook translate) const {
    const int failure = error();
    if (failure == 0)
        return {};
    const FileStep step = error_ == 0 ? FileStep::Write : failedStep_;
    return fileFailureMessage(step, path_, failure, translate);
}

bool FileReplacement::open() {
    discard();
    device_.reset();
    mode_ = Mode::Replace;
    target_.clear();
    failedStep_ = FileStep::Create;
    error_ = prepare();
    if (error_ != 0) {
        discard();
        return false;
    }
    return true;
}

QIODevice* FileReplacement::device() {
    if (!device_ && fd_ >= 0) {
        // Made on first use only: a writer of writePath() fills the file
        // without it, and an in-place file must then not be emptied.
        device_ = std::make_unique<FileReplacementDevice>(
            fd_, blockSize_, mode_ != Mode::Stream,
            mode_ == Mode::InPlace ? FileReplacementDevice::Start::Emptied
                                   : FileReplacementDevice::Start::AsItIs);
    }
    return device_.get();
}

int FileReplacement::finishAndClose() {
    FileCalls& calls = fileCalls();
    int error = 0;
    if (device_ && !device_->finish())
        error = device_->error();
    if (error == 0 && mode_ != Mode::Stream && calls.fsync(fd_) != 0)
        error = lastSystemError();
    const int fd = fd_;
    fd_ = -1; // released by close, whatever it reports
    if (calls.close(fd) != 0 && error == 0)
        error = lastSystemError();
    return error;
}

bool FileReplacement::commit() {
    if (fd_ < 0) {
        if (error_ == 0) {
            failedStep_ = FileStep::Write;
            error_ = kErrorBadFile;
        }
        return false;
    }
    int error = finishAndClose();
    if (error == 0 && mode_ == Mode::Replace)
        error = replaceTarget();
    if (error != 0) {
        fail(error);
        return false;
    }
    if (device_)
        device_->close(); // the file is in place; nothing more goes into it
    return true;
}

void FileReplacement::fail(int error) {
    if (error_ == 0) {
        failedStep_ = FileStep::Write;
        error_ = error;
    }
    discard();
}

std::string FileReplacement::uniqueSuffix() {
    static std::mt19937_64 generator{std::random_device{}()};
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = kLetters[pick(generator)];
    return suffix;
}

} // namespace zamt
