#pragma once
// Where the writer of one report run puts the page stream: a temporary page
// file "RPT…" in this instance's temporary folder, a file the user named, or a
// stream given by the caller. A named file is replaced only when generation
// has succeeded, so a failed or cancelled run leaves no half-written file
// under that name.
#include <QString>
#include <memory>

class QIODevice;
class QTemporaryFile;

namespace zamt {

class FileReplacement;

class RptPageOutput {
public:
    RptPageOutput();
    ~RptPageOutput(); // an uncommitted named file is dropped
    RptPageOutput(const RptPageOutput&) = delete;
    RptPageOutput& operator=(const RptPageOutput&) = delete;

    // Each raises AppError with the reason when the file cannot be made;
    // for a named file "Cannot create file "%s". %s".
    void openTemporary();
    void openFile(const QString& fileName);
    // A stream of the caller's; it must be open for writing and seekable.
    void useStream(QIODevice* stream);

    QIODevice* device() const { return device_; }
    // The file written into; empty for a caller's stream.
    QString fileName() const { return fileName_; }
    bool temporary() const { return temporary_ != nullptr; }

    // Finishes a file: a named file takes its place, a temporary one is
    // closed for the readers. Raises AppError when that fails.
    void finish();
    // The error of a failed write as "Cannot write file "%s". %s", or empty.
    QString failure() const;

private:
    std::unique_ptr<QTemporaryFile> temporary_;
    std::unique_ptr<FileReplacement> named_;
    QIODevice* device_ = nullptr;
    QString fileName_;
};

} // namespace zamt
