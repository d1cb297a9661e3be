#include "forms/ExitHandOff.h"

#include "forms/Windows.h"
#include "forms/frmNagScreen2.h"
#include "shell/Shutdown.h"

namespace fortunix {

void RunExitHandOff() {
    if (IsExitInProgress()) {
        return;  // the program is ending: nothing comes after this window
    }
    windows::NagScreen().show();
}

void HideExitWindow() {
    windows::NagScreen().hide();
}

}  // namespace fortunix
