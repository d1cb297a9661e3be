#include "shell/Shutdown.h"

#include <QWidget>

#include "platform/Platform.h"
#include "shell/IgnoringErrors.h"
#include "shell/WindowRegistry.h"

namespace fortunix {

namespace {
bool exitInProgress = false;
}  // namespace

bool IsExitInProgress() {
    return exitInProgress;
}

void ExitApplication() {
    if (exitInProgress) {
        return;
    }
    exitInProgress = true;
    for (QWidget* window : windows::Loaded()) {
        // A window that fails to close must not keep the program alive.
        IgnoringErrors([window] { window->close(); });
    }
    CurrentPlatform().process.Terminate(0);
    exitInProgress = false;
}

}  // namespace fortunix
