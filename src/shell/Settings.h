#pragma once

#include <QString>

namespace fortunix {

// The program's own values in the per-user settings store: application name = the
// executable's file name without extension, section "Settings", key and value disguised
// with EncodeSetting. A missing key reads as the empty text.
QString ReadSetting(const QString& name);
void SaveSetting(const QString& name, const QString& value);

}  // namespace fortunix
