#pragma once
// A file format the set-up window offers for file output besides the
// snapshot and the printer's own output, and the program's list of them.
// A format is registered once, e.g. at start-up:
//   RptOutputFormats::instance().add(std::make_unique<TRptRenderPdf>());
// Only active formats are offered.
#include <QString>
#include <memory>
#include <vector>

class QIODevice;

namespace zamt {
class RptProgress;
}

namespace zamt {

class TRptRenderFile {
public:
    virtual ~TRptRenderFile() = default;
    // "Adobe Acrobat (PDF)"
    virtual QString displayName() const = 0;
    // ".pdf"
    virtual QString extension() const = 0;
    // The save dialog's filter pair: display name, "|*", extension.
    QString filter() const;
    bool Active = false;
    // Converts the page stream (rewound, open for reading) into the file.
    // Raises AppError when the file cannot be written, and then leaves no
    // file of that name behind.
    virtual void convert(QIODevice& stream, const QString& fileName) = 0;
    // When set, told of every page before it is converted; its cancel ends
    // the conversion (RptOutputCancelled) with no file of that name made.
    RptProgress* Progress = nullptr;
};

class RptOutputFormats {
public:
    static RptOutputFormats& instance();
    // Takes the format; the first one added comes first in the list.
    TRptRenderFile& add(std::unique_ptr<TRptRenderFile> format);
    void remove(const TRptRenderFile* format);
    std::vector<TRptRenderFile*> active() const;

private:
    std::vector<std::unique_ptr<TRptRenderFile>> formats_;
};

} // namespace zamt
