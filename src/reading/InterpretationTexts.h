#pragma once

#include <array>
#include <string_view>

namespace fortunix {

// One paragraph per sign, in zodiac order (0 = Aries). Plain ASCII, so each character is one
// byte, the same in UTF-8 and in any code page.
extern const std::array<std::string_view, 12> kInterpretationParagraphs;

}  // namespace fortunix
