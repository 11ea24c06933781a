#pragma once
// The file formats of report output, in one table: the snapshot (RPS), the
// printer's own output (PRN), then every active renderer of the output
// format registry. The set-up window lists them all and offers them all in
// its save dialog; the preview's Save As offers the snapshot, under a
// caption of its own, and the renderers. A dialog's filter index is mapped
// to its format here and nowhere else:
//
//   const RptFormatTable formats;
//   request.filter = formats.filter(RptFormatUse::SaveAs);
//   const RptOutputFormat& chosen = formats.atFilterIndex(RptFormatUse::SaveAs, index);
//   const RptOutputTarget target = formats.targetFor(name, chosen);
//   write(target.format, target.fileName);
//
// A name's own extension decides its format before any list or filter does:
// "passport.pdf" is a PDF whatever format was chosen, so that no file is
// written under an extension that its readers refuse.
//
// A table holds the registry's renderers as they were when it was made.
#include "report/system/RptOutputKind.h"

#include <QString>
#include <vector>

namespace zamt {

class TRptRenderFile;

struct RptOutputFormat {
    RptOutputKind kind = RptOutputKind::SnapshotFile;
    QString caption;      // the set-up window's list item: "Report Snapshot File (RPS)"
    QString filter;       // the set-up save dialog's pair: "Report Snapshot File (RPS)|*.RPS"
    QString saveAsFilter; // the preview Save As pair; empty when Save As does not offer it
    QString extension;    // ".rps"
    TRptRenderFile* renderer = nullptr; // the converter of a RenderedFile

    // The name trimmed of blanks, and with this format's extension when the
    // file's own name (its folders aside) has no ".": "passport" becomes
    // "passport.pdf", "records.2026/passport" "records.2026/passport.rps".
    QString fileNameFor(const QString& fileName) const;
};

enum class RptFormatUse : uint8_t { Setup, SaveAs };

struct RptOutputTarget {
    const RptOutputFormat& format;
    QString fileName;
};

class RptFormatTable {
public:
    RptFormatTable();

    // Every format, in the order of the set-up window's list.
    const std::vector<RptOutputFormat>& formats() const { return formats_; }
    // The format at a place of that list; the snapshot for a place the list
    // does not have (no item chosen).
    const RptOutputFormat& at(int position) const;
    int positionOf(const RptOutputFormat& format) const;
    // The dialog filter of a use: its formats' pairs joined by "|".
    QString filter(RptFormatUse use) const;
    // The format of a dialog's filter index (from 1); the first one, the
    // snapshot, for an index the use does not have.
    const RptOutputFormat& atFilterIndex(RptFormatUse use, int index) const;
    // The filter index (from 1) of a format of this table in a use; 1 when
    // the use does not offer it.
    int filterIndexOf(RptFormatUse use, const RptOutputFormat& format) const;
    // The format with that extension ("pdf" or ".PDF", any case), or null.
    const RptOutputFormat* withExtension(QString extension) const;
    // The format and the file that a typed name is written as: the format
    // of the name's own extension ("passport.PDF"), whatever the use offers
    // in its list or filter, else `chosen` ("passport", "passport.txt"); a
    // bare name gets the format's extension (RptOutputFormat::fileNameFor).
    RptOutputTarget targetFor(const QString& fileName, const RptOutputFormat& chosen) const;

private:
    std::vector<const RptOutputFormat*> offered(RptFormatUse use) const;

    std::vector<RptOutputFormat> formats_;
};

} // namespace zamt
