#pragma once
// The temporary files of the program (the report's page files "RPT…") live
// in a folder of each running instance, inside a folder of the user's own
// under the temporary folder:
//
//   <temp>/zamt05-<user id>/          mode 0700, the user's
//   <temp>/zamt05-<user id>/<pid>.lock  held (QLockFile) while the instance runs
//   <temp>/zamt05-<user id>/<pid>/      that instance's files
//
// An instance that ends normally removes its folder and lock. One that was
// killed leaves both, with a lock nobody holds; the next start removes such
// folders, never one whose instance still runs (its lock is held, and the
// system drops the hold only with the process).
#include <QString>

namespace zamt {

struct InstanceTempFolder {
    QString path;  // the folder, or where it was to be made
    QString error; // why it could not be made; empty when it is there
};

// This instance's folder, made (with its lock) on first use.
InstanceTempFolder instanceTempFolder();

// Removes this instance's folder and lock, if made; called when the program
// ends (also before it ends by a signal).
void releaseInstanceTempFolder();

// Removes the folders of instances that no longer run. Safe while other
// instances run; failures are ignored (the files are left for a later start).
void removeAbandonedTempFolders();

// The folder of the user's own for all instances, in the temporary folder.
QString userTempFolder();

// The temporary folder: the one TMPDIR names when it is an existing folder
// that can be written in, else /tmp when that is one; when neither is,
// `error` says so and `path` is the folder tried first.
InstanceTempFolder temporaryFolder();
// Before the application object: TMPDIR is made to name the temporary
// folder when it names another, so that Qt's own files go there too.
void settleTemporaryFolder();

} // namespace zamt
