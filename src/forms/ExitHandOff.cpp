#include "forms/ExitHandOff.h"

#include "forms/Windows.h"
#include "forms/frmNagScreen2.h"
#include "shell/Shutdown.h"

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
