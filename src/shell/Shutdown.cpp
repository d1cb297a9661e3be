#include "shell/Shutdown.h"

#include <QWidget>

#include "platform/Platform.h"
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
        try {
            window->close();
        } catch (...) {
            // A window that fails to close must not keep the program alive.
        }
    }
    CurrentPlatform().process.Terminate(0);
    exitInProgress = false;
}

}  // namespace fortunix
