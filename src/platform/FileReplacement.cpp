#include "platform/FileReplacement.h"

#include "platform/FileCalls.h"
#include "platform/FileReplacementDevice.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace zamt {
namespace {

constexpr int kMaxLinks = 40;        // as the kernel allows in one path
constexpr size_t kMaxNameStem = 200; // leaves room for the temporary name's additions

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links in the last component until a path that is not a
// link, or that does not exist yet (a link to a file still to be created).
// 0, or the errno of the failure.
int followLinks(std::string path, std::string& result) {
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return errno;
            result = path;
            return 0;
        }
        if (!S_ISLNK(st.st_mode)) {
            result = path;
            return 0;
        }
        std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length < 0)
            return errno;
        if (static_cast<size_t>(length) >= link.size())
            return ENAMETOOLONG; // the link grew while it was read
        link.resize(static_cast<size_t>(length));
        path = link.front() == '/' ? link : folderOf(path) + "/" + link;
    }
    return ELOOP;
}

std::string uniqueSuffix() {
    static std::mt19937_64 generator{std::random_device{}()};
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = kLetters[pick(generator)];
    return suffix;
}

bool withoutWriteBits(mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // The content is in place already; a folder that cannot be synced (some
    // file systems refuse) changes nothing about that.
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

FileReplacement::FileReplacement(QString path, qint64 blockSize)
    : path_(std::move(path)), blockSize_(blockSize) {}

FileReplacement::~FileReplacement() {
    discard();
}

QString FileReplacement::target() const {
    return QFile::decodeName(target_.c_str());
}
QString FileReplacement::temporary() const {
    return QFile::decodeName(temporary_.c_str());
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

int FileReplacement::prepare() {
    if (path_.isEmpty())
        return ENOENT;
    std::string target;
    if (const int error = followLinks(localPath(path_), target))
        return error;
    const std::string name = nameOf(target);
    if (name.empty() || name == "." || name == "..")
        return EISDIR;
    const std::string folder = folderOf(target);
    target_ = target;

    struct stat existing;
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return errno;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return EISDIR;
        if (!S_ISREG(existing.st_mode)) {
            // A device or a pipe has no content to replace; it is written
            // directly, as it always was.
            return openTarget(Mode::Stream);
        }
        if (withoutWriteBits(existing.st_mode))
            return EACCES;
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return errno;
    }
    struct stat folderState;
    if (::stat(folder.c_str(), &folderState) != 0)
        return errno;
    if (!S_ISDIR(folderState.st_mode))
        return ENOTDIR;
    // A writable file in a folder where no file may be created cannot be
    // replaced as a whole; it is written where it lies, as the user expects.
    // Any other failure to create the temporary file (a full disk) keeps the
    // file untouched.
    const int error =
        withoutWriteBits(folderState.st_mode) ? EACCES : createTemporary(folder, name);
    if ((error == EACCES || error == EPERM) && exists)
        return openTarget(Mode::InPlace);
    if (error != 0)
        return error;
    if (exists) {
        // Only root may give the temporary file away; others keep their own
        // ownership.
        if (::fchown(fd_, existing.st_uid, existing.st_gid) != 0)
            (void)::fchown(fd_, static_cast<uid_t>(-1), existing.st_gid);
        (void)::fchmod(fd_, existing.st_mode & 07777);
    }
    mode_ = Mode::Replace;
    return 0;
}

int FileReplacement::createTemporary(const std::string& folder, const std::string& name) {
    const std::string stem = folder + "/." + name.substr(0, kMaxNameStem) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = stem + uniqueSuffix();
        // Created with the usual permissions of a new file (the umask
        // applies); a replaced file's owner and permissions are copied then.
        fd_ =
            fileCalls().open(candidate.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            temporary_ = candidate;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

int FileReplacement::openTarget(Mode mode) {
    // Without blocking: a pipe nobody reads must not hang the program.
    fd_ = fileCalls().open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK, 0);
    if (fd_ < 0)
        return errno;
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    mode_ = mode;
    return 0;
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
        error = errno;
    const int fd = fd_;
    fd_ = -1; // released by close, whatever it reports
    if (calls.close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

bool FileReplacement::commit() {
    if (fd_ < 0) {
        if (error_ == 0) {
            failedStep_ = FileStep::Write;
            error_ = EBADF;
        }
        return false;
    }
    int error = finishAndClose();
    if (error == 0 && mode_ == Mode::Replace) {
        if (fileCalls().rename(temporary_.c_str(), target_.c_str()) == 0) {
            temporary_.clear();
            syncFolder(folderOf(target_));
        } else {
            error = errno;
        }
    }
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

int FileReplacement::shortfallError() const {
    struct statvfs room;
    const std::string folder = folderOf(target_.empty() ? localPath(path_) : target_);
    if (::statvfs(folder.c_str(), &room) == 0 && room.f_bavail == 0)
        return ENOSPC;
    return EIO;
}

void FileReplacement::discard() {
    // The device stays for the writer that holds it, closed, with its error.
    if (device_)
        device_->close();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

} // namespace zamt
