#pragma once
// A run that shows no window uses no display, whatever the environment
// names: a display that is gone (a closed remote session, a cron job)
// cannot stop it, and one that is there cannot change its output through
// its resolution, scaling or fonts. Called before the application object.
namespace zamt {

void useNoDisplay();

} // namespace zamt
