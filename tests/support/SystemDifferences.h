#pragma once
// What the tests expect differently on the two systems the program runs
// on: the form of paths in messages, the system's reasons, the variable
// that names the temporary folder, the host's tools.
#include <QString>

namespace zamt::test {

// A path as the program's messages show it, in the system's own separators.
QString shownPath(const QString& path);

// The system's reason, as systemErrorText() gives it, for a name that cannot
// be opened or created because of what it names.
enum class Refusal {
    NoSuchFile,   // a file that is not there
    NoSuchFolder, // a file in a folder that is not there
    FolderRead,    // a folder opened as a file to read
    FolderWritten, // a folder created as a file
};
QString reasonFor(Refusal refusal);

// The environment variable that points the system's temporary folder
// elsewhere for a test: TMPDIR, or TMP on Windows.
const char* temporaryFolderVariable();

// Whether a test may start the Linux tools (poppler's pdfinfo, pdftotext,
// pdffonts). Under Wine a Windows program starts them, but cannot wait for
// them nor learn their status; the end-to-end checks of the Windows build
// read its PDF documents with them from the Linux side.
bool canRunHostTools();
extern const char* const kNoHostTools;

// Whether the tests run under Wine, whose fonts of the Windows faces are
// its own drawings of them, of other widths than Windows' own.
bool runningUnderWine();

// Under Wine, gives Qt's offscreen platform, which reads the font files of
// the Wine prefix without its registry, the prefix's font substitutes:
// Arial, Times New Roman and Courier New are drawn by the Liberation faces.
// Called by the test programs once their application object exists.
void useTheSystemsFontSubstitutes();

} // namespace zamt::test
