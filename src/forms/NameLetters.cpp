#include "forms/NameLetters.h"

#include "forms/ProgramLanguage.h"

namespace fortunix {

namespace {

constexpr char32_t kZeroWidthNonJoiner = 0x200C;
constexpr char32_t kZeroWidthJoiner = 0x200D;
constexpr char32_t kDottedCapitalI = 0x0130;

bool CompletesLetter(char32_t code) {
    const QChar::Category category = QChar::category(code);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           code == kZeroWidthNonJoiner || code == kZeroWidthJoiner;
}

}  // namespace

KeyVerdict FilterNameKeyIn(const QString& language, int code) {
    if (language == QLatin1String(kEnglish) || code < 0) {
        return FilterNameKey(code);
    }
    const auto character = static_cast<char32_t>(code);
    if (QChar::isLetter(character)) {
        if (character == U'i' && language == QLatin1String("tr")) {
            return {static_cast<int>(kDottedCapitalI), std::nullopt};
        }
        return {static_cast<int>(QChar::toUpper(character)), std::nullopt};
    }
    if (CompletesLetter(character)) {
        return {code, std::nullopt};
    }
    return FilterNameKey(code);  // space, Enter and backspace pass; everything else is refused
}

KeyVerdict FilterNameKeyInUse(int code) {
    return FilterNameKeyIn(LanguageInUse(), code);
}

}  // namespace fortunix
