#include "platform/Platform.h"

#include <QCoreApplication>

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
    // Every message is a whole sentence of the windows, shown in the language in use.
    const QString shown = QCoreApplication::translate("Fortunix", text.toUtf8().constData());
    return CurrentPlatform().messages.Show(parent, shown, icon, buttons);
}

}  // namespace fortunix
