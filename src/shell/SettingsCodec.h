#pragma once

#include <QString>

namespace fortunix {

// Stored names and values are disguised by shifting every character's Windows-1252 code by
// 85. A character that has no Windows-1252 code, or whose shifted code leaves 0..255, is
// dropped; the rest of the text is still converted.
QString EncodeSetting(const QString& text);
QString DecodeSetting(const QString& text);

}  // namespace fortunix
