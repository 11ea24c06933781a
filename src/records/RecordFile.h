#pragma once
// Replacing a file's whole content so that a failure never leaves a half
// written file: the new content goes into a temporary file beside the target,
// is flushed to the disk, and then renamed over the target. Until the rename
// the target keeps its previous content; after a failure the temporary file
// is removed. Where no temporary file can be made beside a writable target
// (a folder in which new files may not be created), the target is
// overwritten in place: truncated, written and flushed to the disk.
#include <QString>

#include <memory>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace zamt {

// The system calls through which the content reaches the disk. The program
// uses the real ones; tests install their own to make one of them fail.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    virtual ssize_t write(int fd, const void* data, size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
};

FileCalls& fileCalls();
// Installs calls and returns the ones they replace (null: the real ones).
std::unique_ptr<FileCalls> installFileCalls(std::unique_ptr<FileCalls> calls);

class RecordFile {
public:
    // The content goes out in blocks of this size.
    static constexpr size_t kBlockSize = 128;

    explicit RecordFile(QString path);
    ~RecordFile(); // removes the temporary file unless committed
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Checks that the target can be written and creates the temporary file.
    // False when it cannot: the folder is missing, the name is invalid, the
    // target is a folder or read-only (a file without any write permission
    // bit counts as read-only for every user), or it does not exist yet in a
    // folder that may not be written. A symbolic link is followed to the
    // file it names.
    bool open();
    // Writes the content and puts it in place of the target. Returns 0, or
    // the errno of the call that failed; then the target is unchanged and
    // the temporary file is gone.
    int commit(std::string_view content);

    // The file that is replaced, after the links have been followed.
    QString target() const;
    // The temporary file while one exists.
    QString temporary() const;

private:
    enum class Mode {
        Replace,   // a temporary file renamed over the target
        Overwrite, // the target itself, truncated first
        Stream     // a device or pipe: written directly
    };

    // 0, or the errno of the failure.
    int createTemporary(const std::string& folder, const std::string& name);
    bool openTarget(Mode mode);
    int writeAll(std::string_view content);
    void discard();

    QString path_;
    // File names as the system gives them: a link may name a file whose
    // name is not valid in the locale's encoding.
    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    Mode mode_ = Mode::Replace;
};

} // namespace zamt
