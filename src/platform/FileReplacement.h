#pragma once
// Replacing a file's whole content so that a failure never leaves a half
// written file: the new content goes into a temporary file ".<name>.XXXXXX"
// beside the target (created with the user's umask applied to 0666; a
// replaced file's owner and permissions are copied to it), is flushed to the
// disk and renamed over the target. Until then the target keeps its content;
// after a failure, or when the object goes uncommitted, the temporary file is
// removed. Symbolic links are followed to the file they name.
//
// Only where the folder refuses new files for lack of rights and the file
// itself is writable, the file is written in place instead (emptied before
// the first byte). Pipes and devices are written directly, never blocking
// at the opening.
//
// On Windows the temporary file gets the replaced file's attributes and is
// moved over it with MoveFileExW (write-through); a file with the read-only
// attribute, a reserved device name (CON, NUL, COM1, ...) and a name ending
// in a dot or a blank are refused, and there are no pipes or devices to
// write to.
//
//   FileReplacement file(path);
//   if (!file.open()) throw AppError(file.errorMessage());
//   file.device()->write(bytes);   // or another writer writes file.writePath()
//   if (!file.commit()) throw AppError(file.errorMessage());
#include "platform/FileFailure.h"

#include <QString>
#include <memory>
#include <string>

class QIODevice;

namespace zamt {

class FileReplacementDevice;

class FileReplacement {
public:
    static constexpr qint64 kDefaultBlockSize = 64 * 1024;

    enum class Mode {
        Replace, // a temporary file renamed over the target
        InPlace, // the target itself, emptied first
        Stream   // a pipe or a device: written directly
    };

    // The bytes written into device() go out in blocks of `blockSize`.
    explicit FileReplacement(QString path, qint64 blockSize = kDefaultBlockSize);
    ~FileReplacement(); // discards unless committed
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Checks that the target can be written and creates the temporary file.
    // False when it cannot (the folder is missing, the name is empty or a
    // folder, the target is read-only: a file without any write permission
    // bit counts as read-only for every user, root too; or it does not exist
    // yet in a folder that may not be written); error() tells why.
    bool open();

    // The QIODevice face: open for writing, buffered, seekable unless the
    // target is a pipe or a device. Valid from open() to commit().
    QIODevice* device();
    // The path face, for a writer that writes a file only by name (a
    // printer's output): the temporary file, or the target where it is
    // written in place. The writer must not remove or replace it.
    QString writePath() const;

    // Flushes what device() holds, syncs it to the disk, closes it, gives it
    // the permissions and renames it over the target, then syncs the folder.
    // False when any of it fails: then the target is unchanged and the
    // temporary file is gone.
    bool commit();
    // Gives up with the system's error code `error` as a write failure, e.g. when a writer of
    // writePath() left its output unfinished; the temporary file goes.
    void fail(int error);
    // The system's error code that best explains output that another writer left
    // unfinished: a full disk when the file system has no room left, else a
    // failure to write (ENOSPC or EIO; on Windows 112 or 29).
    int shortfallError() const;

    // The system's error code of the failure (SystemError.h), 0 while none.
    int error() const;
    // "Cannot create file "%1". %2" for a failed open(), "Cannot write file
    // "%1". %2" for a failed write or commit, with the path as given made
    // absolute and the system's reason; empty while nothing failed.
    QString errorMessage(TextHook translate = nullptr) const;

    Mode mode() const { return mode_; }
    // The file that is replaced, after the links have been followed.
    QString target() const;
    // The temporary file while one exists.
    QString temporary() const;

private:
    int prepare();
    int createTemporary(const std::string& folder, const std::string& name);
    int openTarget(Mode mode);
    int replaceTarget(); // renames the temporary file over the target
    static std::string uniqueSuffix(); // six letters or digits
    int finishAndClose();
    void discard();

    QString path_;
    qint64 blockSize_;
    // File names as the system gives them: a link may name a file whose
    // name is not valid in the locale's encoding.
    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    Mode mode_ = Mode::Replace;
    std::unique_ptr<FileReplacementDevice> device_;
    FileStep failedStep_ = FileStep::Create;
    int error_ = 0;
};

} // namespace zamt
