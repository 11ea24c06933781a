#pragma once
// A run that shows no window uses no display, whatever the environment
// names: a display that is gone (a closed remote session, a cron job)
// cannot stop it, and one that is there cannot change its output through
// its resolution, scaling or fonts. Called before the application object.
#include <QByteArray>

namespace zamt {

void useNoDisplay();

// Qt's platform for a run without a window: offscreen where a display may be
// missing; on Windows its own, which every session has, and whose fonts are
// the system's (the offscreen one there knows only a folder of font files).
QByteArray noDisplayPlatform();

} // namespace zamt
