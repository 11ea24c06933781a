#pragma once
// A run that shows no window uses no display, whatever the environment
// names: a display that is gone (a closed remote session, a cron job)
// cannot stop it, and one that is there cannot change its output through
// its resolution, scaling or fonts. Called before the application object.
#include <QString>

namespace zamt {

void useNoDisplay();

// The folder of the system's font files where a platform without a display
// must be pointed at it (Windows); empty where it finds them itself.
QString systemFontFolder();

} // namespace zamt
