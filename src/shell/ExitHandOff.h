#pragma once

namespace fortunix {

// Run by the close handlers of the main and the result window: what comes after them.
void RunExitHandOff();

// Run by a reading and by Back: the window that follows the program's last window stays
// out of sight while the user is still busy.
void HideExitWindow();

}  // namespace fortunix
