#include "shell/Settings.h"

#include "platform/Platform.h"
#include "platform/QtPlatform.h"
#include "shell/SettingsCodec.h"

namespace fortunix {

namespace {
const QString kSection = QStringLiteral("Settings");
}  // namespace

QString ReadSetting(const QString& name) {
    return DecodeSetting(
        CurrentPlatform().settings.Read(ExecutableName(), kSection, EncodeSetting(name)));
}

void SaveSetting(const QString& name, const QString& value) {
    CurrentPlatform().settings.Save(ExecutableName(), kSection, EncodeSetting(name),
                                    EncodeSetting(value));
}

}  // namespace fortunix
