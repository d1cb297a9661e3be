#include "shell/ExitHandOff.h"

#include "shell/Shutdown.h"
#include "shell/Windows.h"
#include "shell/frmNagScreen2.h"

namespace fortunix {

void RunExitHandOff() {
    if (IsExitInProgress()) {
        return;  // the program is ending: nothing comes after this window
    }
    try {
        windows::NagScreen().show();
    } catch (...) {
        // Leaving a window must never fail.
    }
}

void HideExitWindow() {
    windows::NagScreen().hide();
}

}  // namespace fortunix
