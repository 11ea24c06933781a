#include "records/RecordFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zamt {

ssize_t FileCalls::write(int fd, const void* data, size_t size) { return ::write(fd, data, size); }
int FileCalls::fsync(int fd) { return ::fsync(fd); }
int FileCalls::close(int fd) { return ::close(fd); }
int FileCalls::rename(const char* from, const char* to) { return ::rename(from, to); }

namespace {

std::unique_ptr<FileCalls>& installed() {
    static std::unique_ptr<FileCalls> calls;
    return calls;
}

constexpr int kMaxLinks = 40;        // as the kernel allows in one path
constexpr size_t kMaxNameStem = 200; // leaves room for the temporary name's additions

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

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
bool followLinks(std::string path, std::string& result) {
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return false;
            result = path;
            return true;
        }
        if (!S_ISLNK(st.st_mode)) {
            result = path;
            return true;
        }
        std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length < 0 || static_cast<size_t>(length) >= link.size())
            return false;
        link.resize(static_cast<size_t>(length));
        path = link.front() == '/' ? link : folderOf(path) + "/" + link;
    }
    return false; // a loop of links
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

bool withoutWriteBits(mode_t mode) { return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

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

FileCalls& fileCalls() {
    static FileCalls real;
    return installed() ? *installed() : real;
}

std::unique_ptr<FileCalls> installFileCalls(std::unique_ptr<FileCalls> calls) {
    std::swap(installed(), calls);
    return calls;
}

RecordFile::RecordFile(QString path) : path_(std::move(path)) {}

RecordFile::~RecordFile() { discard(); }

QString RecordFile::target() const { return QFile::decodeName(target_.c_str()); }
QString RecordFile::temporary() const { return QFile::decodeName(temporary_.c_str()); }

bool RecordFile::open() {
    discard();
    std::string target;
    if (path_.isEmpty() || !followLinks(localPath(path_), target))
        return false;
    const std::string name = nameOf(target);
    if (name.empty() || name == "." || name == "..")
        return false;
    const std::string folder = folderOf(target);
    target_ = target;

    struct stat existing;
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return false;
        if (!S_ISREG(existing.st_mode)) {
            // A device or a pipe has no content to replace; it is written
            // directly, as it always was.
            return openTarget(Mode::Stream);
        }
        if (withoutWriteBits(existing.st_mode) ||
            ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return false;
    }
    struct stat folderState;
    if (::stat(folder.c_str(), &folderState) != 0 || !S_ISDIR(folderState.st_mode))
        return false;
    // A writable record in a folder where no file may be created cannot be
    // replaced safely; it is overwritten where it lies, as the user expects.
    // Any other failure to create the temporary file (a full disk) keeps the
    // record untouched.
    const int error =
        withoutWriteBits(folderState.st_mode) ? EACCES : createTemporary(folder, name);
    if (error == EACCES || error == EPERM)
        return exists && openTarget(Mode::Overwrite);
    if (fd_ < 0)
        return false;
    if (exists) {
        // Only root may give the temporary file away; others keep their own
        // ownership.
        if (::fchown(fd_, existing.st_uid, existing.st_gid) != 0)
            (void)::fchown(fd_, static_cast<uid_t>(-1), existing.st_gid);
        (void)::fchmod(fd_, existing.st_mode & 07777);
    }
    return true;
}

int RecordFile::createTemporary(const std::string& folder, const std::string& name) {
    const std::string stem = folder + "/." + name.substr(0, kMaxNameStem) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = stem + uniqueSuffix();
        // Created with the usual permissions of a new file (the umask
        // applies); a replaced file's owner and permissions are copied then.
        fd_ = ::open(candidate.c_str(),
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

bool RecordFile::openTarget(Mode mode) {
    // Without blocking: a pipe nobody reads must not hang the program.
    fd_ = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0)
        return false;
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    mode_ = mode;
    return true;
}

int RecordFile::writeAll(std::string_view content) {
    FileCalls& calls = fileCalls();
    while (!content.empty()) {
        const size_t block = std::min(content.size(), kBlockSize);
        const ssize_t written = calls.write(fd_, content.data(), block);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return ENOSPC; // nothing more fits
        content.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

int RecordFile::commit(std::string_view content) {
    if (fd_ < 0)
        return EBADF;
    FileCalls& calls = fileCalls();
    int error = 0;
    if (mode_ == Mode::Overwrite && ::ftruncate(fd_, 0) != 0)
        error = errno;
    if (error == 0)
        error = writeAll(content);
    if (error == 0 && mode_ != Mode::Stream && calls.fsync(fd_) != 0)
        error = errno;
    const int fd = fd_;
    fd_ = -1; // released by close, whatever it reports
    if (calls.close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && mode_ == Mode::Replace) {
        if (calls.rename(temporary_.c_str(), target_.c_str()) == 0) {
            temporary_.clear();
            syncFolder(folderOf(target_));
        } else {
            error = errno;
        }
    }
    if (error != 0)
        discard();
    return error;
}

void RecordFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    mode_ = Mode::Replace;
}

} // namespace zamt
