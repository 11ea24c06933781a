#include "platform/FileReplacement.h"

#include "platform/FileCalls.h"
#include "platform/FileReplacementDevice.h"
#include "platform/WindowsPath.h"

#include <QFileInfo>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace zamt {
namespace {

constexpr size_t kMaxNameStem = 200; // leaves room for the temporary name's additions
constexpr qsizetype kMaxName = 255;

// The attributes of an existing file; INVALID_FILE_ATTRIBUTES with the error
// left for lastSystemError() otherwise.
DWORD attributesOf(const std::string& path) {
    return GetFileAttributesW(widePath(path).c_str());
}

// Whether another program holds the file open without letting others write.
int writableNow(const std::string& path) {
    const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return static_cast<int>(GetLastError());
    CloseHandle(file);
    return 0;
}

} // namespace

QString FileReplacement::target() const {
    return QString::fromStdString(target_);
}
QString FileReplacement::temporary() const {
    return QString::fromStdString(temporary_);
}

int FileReplacement::prepare() {
    if (path_.isEmpty())
        return ERROR_FILE_NOT_FOUND;
    const QFileInfo info(path_);
    const QString name = info.fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return ERROR_ACCESS_DENIED; // a folder
    if (reservedOrCutFileName(name))
        return ERROR_INVALID_NAME;
    // Windows takes no longer name, nor a longer path from a program that
    // has not declared itself ready for them.
    if (name.size() > kMaxName || info.absoluteFilePath().size() >= MAX_PATH)
        return ERROR_FILENAME_EXCED_RANGE;
    target_ = info.absoluteFilePath().toStdString();
    const std::string folder = info.absolutePath().toStdString();

    const DWORD existing = attributesOf(target_);
    const bool exists = existing != INVALID_FILE_ATTRIBUTES;
    if (!exists && GetLastError() != ERROR_FILE_NOT_FOUND)
        return static_cast<int>(GetLastError());
    if (exists) {
        if (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            return ERROR_ACCESS_DENIED;
        if (const int error = writableNow(target_))
            return error;
    }
    const DWORD folderAttributes = attributesOf(folder);
    if (folderAttributes == INVALID_FILE_ATTRIBUTES)
        return static_cast<int>(GetLastError());
    if (!(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return ERROR_DIRECTORY;
    // A writable file in a folder where no file may be created is written
    // where it lies, as on other systems.
    const int error = createTemporary(folder, name.toStdString());
    if (error == ERROR_ACCESS_DENIED && exists)
        return openTarget(Mode::InPlace);
    if (error != 0)
        return error;
    // The replaced file's attributes (hidden, system, archive) go with the
    // new content.
    if (exists)
        SetFileAttributesW(widePath(temporary_).c_str(), existing & ~FILE_ATTRIBUTE_NORMAL);
    mode_ = Mode::Replace;
    return 0;
}

int FileReplacement::createTemporary(const std::string& folder, const std::string& name) {
    const std::string stem = folder + "/." + name.substr(0, kMaxNameStem) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = stem + uniqueSuffix();
        fd_ = fileCalls().open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd_ >= 0) {
            temporary_ = candidate;
            return 0;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            return static_cast<int>(GetLastError());
    }
    return ERROR_FILE_EXISTS;
}

int FileReplacement::openTarget(Mode mode) {
    fd_ = fileCalls().open(target_.c_str(), O_WRONLY, 0);
    if (fd_ < 0)
        return static_cast<int>(GetLastError());
    mode_ = mode;
    return 0;
}

int FileReplacement::replaceTarget() {
    if (fileCalls().rename(temporary_.c_str(), target_.c_str()) != 0)
        return static_cast<int>(GetLastError());
    temporary_.clear();
    return 0;
}

int FileReplacement::shortfallError() const {
    const QString target = target_.empty() ? path_ : QString::fromStdString(target_);
    ULARGE_INTEGER free{};
    if (GetDiskFreeSpaceExW(widePath(QFileInfo(target).absolutePath()).c_str(), &free, nullptr,
                            nullptr) &&
        free.QuadPart == 0)
        return ERROR_DISK_FULL;
    return ERROR_WRITE_FAULT;
}

void FileReplacement::discard() {
    // The device stays for the writer that holds it, closed, with its error.
    if (device_)
        device_->close();
    if (fd_ >= 0) {
        _close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        DeleteFileW(widePath(temporary_).c_str());
        temporary_.clear();
    }
}

} // namespace zamt
