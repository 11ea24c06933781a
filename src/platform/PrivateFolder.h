#pragma once
// The user's own folder for the program's temporary files, which no other
// user may have made or may enter.
#include <QString>

namespace zamt {

// The user as the folder's name tells it: the user id, on Windows the
// user's name.
QString userIdText();

// Makes the folder if missing and checks that it is a real folder of this
// user, closed to others. Empty, or why it cannot be used.
QString makePrivateFolder(const QString& path);

} // namespace zamt
