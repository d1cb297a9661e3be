#pragma once

namespace fortunix {

// Closes every loaded window in turn (each close handler runs; an error in one is ignored),
// then ends the process with status 0. A call made while the sweep runs (from a close
// handler) returns at once.
void ExitApplication();

// True while ExitApplication closes the windows: close handlers then hand over to nothing.
bool IsExitInProgress();

}  // namespace fortunix
