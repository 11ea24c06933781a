#include "platform/FileReplacement.h"

#include "platform/FileCalls.h"
#include "platform/FileReplacementDevice.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
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

QString FileReplacement::target() const {
    return QFile::decodeName(target_.c_str());
}
QString FileReplacement::temporary() const {
    return QFile::decodeName(temporary_.c_str());
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

int FileReplacement::replaceTarget() {
    if (fileCalls().rename(temporary_.c_str(), target_.c_str()) != 0)
        return errno;
    temporary_.clear();
    syncFolder(folderOf(target_));
    return 0;
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
