#include "platform/Platform.h"

#include <cassert>

namespace fortunix {

namespace {
Platform* installedPlatform = nullptr;
}  // namespace

void InstallPlatform(Platform* platform) {
    installedPlatform = platform;
}

Platform& CurrentPlatform() {
    assert(installedPlatform != nullptr && "InstallPlatform must run first");
    return *installedPlatform;
}

MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                          MessageButtons buttons) {
    return CurrentPlatform().messages.Show(parent, text, icon, buttons);
}

}  // namespace fortunix
