#pragma once

#include <optional>
#include <string_view>

namespace fortunix {

// The interpretation paragraph of a Part of Fortune in sign `signIndex` (0 = Aries ...
// 11 = Pisces), UTF-8.
std::string_view InterpretationParagraph(int signIndex);

// The paragraph of the sign named exactly (case-sensitive) `signName`, or nothing when the
// name is none of the twelve.
std::optional<std::string_view> ParagraphForSignName(std::string_view signName);

}  // namespace fortunix
