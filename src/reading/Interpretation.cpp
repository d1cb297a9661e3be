#include "reading/Interpretation.h"

#include "ephemeris/DegreeSignTable.h"
#include "reading/InterpretationTexts.h"

namespace fortunix {

std::string_view InterpretationParagraph(int signIndex) {
    return kInterpretationParagraphs.at(static_cast<std::size_t>(signIndex));
}

std::optional<std::string_view> ParagraphForSignName(std::string_view signName) {
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (kSignNames[static_cast<std::size_t>(sign)] == signName) {
            return InterpretationParagraph(sign);
        }
    }
    return std::nullopt;
}

}  // namespace fortunix
