#pragma once

#include <QString>
#include <string_view>

namespace fortunix {

// The program's texts are UTF-8 in std::string_view below the Qt layers: here they become Qt's.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace fortunix
