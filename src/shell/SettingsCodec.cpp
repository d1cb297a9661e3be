#include "shell/SettingsCodec.h"

#include <array>
#include <optional>

namespace fortunix {

namespace {

constexpr int kSettingShift = 85;

// Windows-1252 codes 0x80..0x9F. The five codes the code page leaves unassigned map to the
// control characters of the same value, as Windows itself converts them.
constexpr std::array<char16_t, 32> kHighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QChar CharacterOfCode(int code) {
    if (code >= 0x80 && code <= 0x9F) {
        return QChar(kHighControlBlock[static_cast<std::size_t>(code - 0x80)]);
    }
    return QChar(static_cast<char16_t>(code));  // the rest of the page equals Latin-1
}

std::optional<int> CodeOfCharacter(QChar character) {
    const char16_t unicode = character.unicode();
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF)) {
        return unicode;
    }
    for (std::size_t index = 0; index < kHighControlBlock.size(); ++index) {
        if (kHighControlBlock[index] == unicode) {
            return static_cast<int>(0x80 + index);
        }
    }
    return std::nullopt;
}

QString Shift(const QString& text, int offset) {
    QString shifted;
    shifted.reserve(text.size());
    for (const QChar character : text) {
        const std::optional<int> code = CodeOfCharacter(character);
        if (!code) {
            continue;
        }
        const int newCode = *code + offset;
        if (newCode >= 0 && newCode <= 255) {
            shifted.append(CharacterOfCode(newCode));
        }
    }
    return shifted;
}

}  // namespace

QString EncodeSetting(const QString& text) {
    return Shift(text, kSettingShift);
}

QString DecodeSetting(const QString& text) {
    return Shift(text, -kSettingShift);
}

}  // namespace fortunix
