#pragma once

namespace fortunix {

// Run by the close handlers of the main and the result window: shows the refer-a-friend
// window (loading it first if needed), which then is the program's last window. Does
// nothing while ExitApplication closes the windows.
void RunExitHandOff();

// Run by a reading and by Back: loads the refer-a-friend window if needed and keeps it out
// of sight while the user is still busy.
void HideExitWindow();

}  // namespace fortunix
