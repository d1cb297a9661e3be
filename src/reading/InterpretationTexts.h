#pragma once

#include <array>
#include <string_view>

namespace fortunix {

// One paragraph per sign, in zodiac order (0 = Aries), UTF-8.
extern const std::array<std::string_view, 12> kInterpretationParagraphs;

}  // namespace fortunix
